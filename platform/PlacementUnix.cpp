// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/Placement.h"
#include "platform/PlacementFrame.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

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

} // namespace

// X11 window managers frame a window as they map it: until then the last window's frame is
// the best guess (none for the first).
QMargins ExpectedFrame(QWidget*)
{
    return LastFrame;
}

void CorrectOnceFramed(QWidget* window, QPoint frameAt, QMargins expected, QPoint centre,
                       const QRect& bounds)
{
    new FrameCorrection(window, frameAt, expected, centre, bounds);
}

} // namespace platform
