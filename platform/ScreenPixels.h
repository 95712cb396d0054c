// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The extents a screen reader is given, in the screen's own pixels.

#include <QAccessibleWidget>
#include <QRect>

class QWidget;

namespace platform {

// Qt's AT-SPI bridge (6.4.2 and 6.8.2 alike) hands on rectangles in device-independent
// pixels, where a screen reader works in the screen's own: at any scale but 1 it clicks beside
// what it reviews, and its review leaves out what lies outside the window as it wrongly
// measures it. A rectangle in
// global device-independent pixels as a screen reader must get it.
QRect ForScreenReader(const QWidget* widget, const QRect& global);

// A widget that gives its extents in the screen's pixels. The board window and all of its
// own parts use it, so that what a screen reader clips against agrees with what it clips.
class ScreenPixelsAccessible : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    [[nodiscard]] QRect rect() const override;
};

} // namespace platform
