// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/PlacementFrame.h"

#include <QWidget>
#include <QWindow>

namespace platform {

// Windows draws the frame itself, from the window's style: it is known as soon as the native
// window exists, so the first place is the right one.
QMargins ExpectedFrame(QWidget* window)
{
    window->winId();
    return window->windowHandle()->frameMargins();
}

void CorrectOnceFramed(QWidget*, QPoint, QMargins, QPoint, const QRect&) {}

// Windows tells Qt of every move itself, frame included.
void KeepPositionTrue(QWidget*) {}

QRect FrameOnScreen(const QWidget* window)
{
    return window->windowHandle()->frameGeometry();
}

} // namespace platform
