// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/Placement.h"
#include "platform/PlacementFrame.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace platform {

namespace {

void Place(QWidget* window, QPoint centre, const QRect& bounds)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return; // the compositor places every window itself
    }
    const QMargins frame = ExpectedFrame(window);
    const QPoint frameAt = CentredFrame(window->size(), frame, centre, bounds);
    if (window->windowHandle() != nullptr) {
        // Made already, its geometry is the client's. Set on the widget, which then counts as
        // placed: QDialog centres a dialog shown unplaced over its owner.
        window->setGeometry(QRect(frameAt + QPoint(frame.left(), frame.top()), window->size()));
    } else {
        window->move(frameAt);
    }
    CorrectOnceFramed(window, frameAt, frame, centre, bounds);
    KeepPositionTrue(window);
}

} // namespace

QPoint CentredFrame(QSize client, QMargins frame, QPoint centre, const QRect& bounds)
{
    QRect outer = QRect(QPoint(), client).marginsAdded(frame);
    outer.moveCenter(centre);
    // Kept inside the work area where it fits, its title bar first.
    outer.moveRight(std::min(outer.right(), bounds.right()));
    outer.moveBottom(std::min(outer.bottom(), bounds.bottom()));
    outer.moveLeft(std::max(outer.left(), bounds.left()));
    outer.moveTop(std::max(outer.top(), bounds.top()));
    return outer.topLeft();
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        Place(window, area.center(), area);
    }
}

void CentreOver(QWidget* window, const QWidget* owner)
{
    // The window system's own idea of the frame: Qt's lags behind it at times.
    const QRect frame = FrameOnScreen(owner);
    const QScreen* screen = owner->screen();
    Place(window, frame.center(), screen != nullptr ? screen->availableGeometry() : frame);
}

} // namespace platform
