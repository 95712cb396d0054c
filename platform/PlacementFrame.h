// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// What placement needs to know of the window manager's frame, which the desktops tell at
// different times: Windows before a window is shown, X11 only once it has been framed.

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace platform {

// The frame the window will get, as well as it is known before the window is shown.
QMargins ExpectedFrame(QWidget* window);

// Once the real frame is known, moves the window to the centre it was meant for, if the frame
// turned out other than expected and the window is still where it was put.
void CorrectOnceFramed(QWidget* window, QPoint frameAt, QMargins expected, QPoint centre,
                       const QRect& bounds);

// Keeps Qt's idea of where the window is (its geometry, and so mapToGlobal and the
// accessibility extents) the window system's, at every showing and every move.
void KeepPositionTrue(QWidget* window);

// Where the window's frame is on the screen, as the window system has it now.
QRect FrameOnScreen(const QWidget* window);

} // namespace platform
