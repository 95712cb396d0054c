// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/Placement.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

// The frame of the last window the window manager framed: the best guess for the next one.
QMargins LastFrame;

// Corrects a window's first placement once, when the window manager has framed it and the
// real frame is known, and only while the window is still where it was put: a place the window
// manager chose, or a move the user made, always stands.
class FrameCorrection final : public QObject {
  public:
    FrameCorrection(QWidget* window, QPoint frameAt, QMargins guess, QPoint centre, QRect bounds)
        : QObject(window), Window(window), FrameAt(frameAt), Guess(guess), Centre(centre),
          Bounds(bounds)
    {
        Window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The native window exists from the widget's show event on.
        if (watched == Window && event->type() == QEvent::Show) {
            Window->removeEventFilter(this);
            Window->windowHandle()->installEventFilter(this);
            return false;
        }
        QWindow* handle = Window->windowHandle();
        if (watched != handle || event->type() != QEvent::Expose || !handle->isExposed()) {
            return false;
        }
        // The window manager frames a window before it maps it, so its first exposure is the
        // first moment the frame is known.
        handle->removeEventFilter(this);
        deleteLater();
        LastFrame = handle->frameMargins();
        if (LastFrame != Guess && StillWherePut(handle->framePosition())) {
            // Qt converts the client's position for the window manager, whichever gravity the
            // window was created with.
            handle->setPosition(CentredFrame(handle->size(), LastFrame, Centre, Bounds) +
                                QPoint(LastFrame.left(), LastFrame.top()));
        }
        return false;
    }

  private:
    // Some window managers (icewm) report the first position as if the frame were not yet
    // there: an offset within the frame's own size is the same place, a larger one is a place
    // of the window manager's choosing.
    [[nodiscard]] bool StillWherePut(QPoint frameAt) const
    {
        const QPoint off = frameAt - FrameAt;
        return std::abs(off.x()) <= LastFrame.left() + LastFrame.right() &&
               std::abs(off.y()) <= LastFrame.top() + LastFrame.bottom();
    }

    QWidget* Window;
    QPoint FrameAt;
    QMargins Guess;
    QPoint Centre;
    QRect Bounds;
};

void Place(QWidget* window, QPoint centre, const QRect& bounds)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return; // the compositor places every window itself
    }
    const QPoint frameAt = CentredFrame(window->size(), LastFrame, centre, bounds);
    if (QWindow* handle = window->windowHandle(); handle != nullptr) {
        // Made already (as the owner of a dialog): its position is that of the client.
        handle->setPosition(frameAt + QPoint(LastFrame.left(), LastFrame.top()));
    } else {
        window->move(frameAt);
    }
    new FrameCorrection(window, frameAt, LastFrame, centre, bounds);
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
    // The window system's own idea of the frame: QWidget's lags behind it at times.
    const QRect frame = owner->windowHandle()->frameGeometry();
    const QScreen* screen = owner->screen();
    Place(window, frame.center(), screen != nullptr ? screen->availableGeometry() : frame);
}

} // namespace platform
