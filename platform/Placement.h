// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// Where windows open: centred, their frames included, and never moved once the window manager
// or the user has placed them.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// Where a window's frame goes to be centred on `centre`, kept inside `bounds` where it fits.
QPoint CentredFrame(QSize client, QMargins frame, QPoint centre, const QRect& bounds);

// Place a window, not yet shown, so that its whole frame (title bar and borders included) is
// centred: in the work area of the screen the pointer is on, or over its owner's frame. The
// place is corrected once, when the window manager has framed the window, unless it has moved
// meanwhile. Compositors that place windows themselves (Wayland) are left to it.
void CentreOnScreen(QWidget* window);
void CentreOver(QWidget* window, const QWidget* owner);

} // namespace platform
