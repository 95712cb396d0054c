// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The few platform services the windows need, realised with Qt and the standard library.

#include "setup/SystemColour.h"

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QRect>
#include <QString>

#include <chrono>
#include <cstddef>

class QWidget;

namespace platform {

// The colour standing for an entry of the system colour table.
QColor Colour(zorvane::SystemColour entry);

// Contrast ratio of two colours, from 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& one, const QColor& two);

// The ground for black drawing and red text: the theme's window colour where both read well
// on it (7:1 and 3:1), else a light grey of our own.
QColor BoardGround(const QColor& themeWindow);

// Blocks the user-interface thread.
void Sleep(std::chrono::milliseconds length);

// Where a window's frame goes to be centred on `centre`, kept inside `bounds` where it fits.
QPoint CentredFrame(QSize client, QMargins frame, QPoint centre, const QRect& bounds);

// Place a window, not yet shown, so that its whole frame (title bar and borders included) is
// centred: in the work area of the screen the pointer is on, or over its owner's frame. The
// place is corrected once, when the window manager has framed the window, unless it has moved
// meanwhile. Compositors that place windows themselves (Wayland) are left to it.
void CentreOnScreen(QWidget* window);
void CentreOver(QWidget* window, const QWidget* owner);

// The application-wide hourglass pointer.
void SetWaitCursor(bool waiting);

// Drops the presses, releases and keys that were made while the thread was blocked and are
// still queued, so that a click made under the hourglass is not replayed once it is gone.
// Pointer moves still get through. Returns at once: the queue is emptied by the event loop.
void DropQueuedInput();

// Tahoma bold italic: the installed Tahoma, else the free one of Debian's fonts-wine, else the
// platform's sans-serif.
QFont BannerFont(qreal pointSize);

// From the program's version information.
QString CopyrightNotice();

// Gives a control its name as its object name (a member of a control array: name and index),
// which is how tests find it.
template <typename Control> Control* Named(Control* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}
template <typename Control> Control* Named(Control* control, const char* name, std::size_t index)
{
    control->setObjectName(QLatin1String(name) + QString::number(index));
    return control;
}

// Ends the program: every event loop returns and no further handler runs.
void EndProgram();

// Guards the creation of the application object: where it fails, prints its cause (one plain
// line when there is no display) and exits non-zero instead of Qt's abort. Qt's other messages
// of that moment are passed on once the application object stands.
class DisplayGuard {
  public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

} // namespace platform
