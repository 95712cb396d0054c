// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include <QLabel>

class QSvgRenderer;

// A picture drawn from its SVG at the pixel size of the screen it is on at each paint, so it
// stays crisp after a move to a screen of another scale, or where the scale is known only once
// the window is mapped.
class MarkPicture final : public QLabel {
    Q_OBJECT

  public:
    MarkPicture(QSvgRenderer* picture, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSvgRenderer* Picture;
};
