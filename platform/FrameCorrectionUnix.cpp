// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/FramesSeenUnix.h"
#include "platform/Placement.h"
#include "platform/PlacementFrame.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdlib>

namespace platform {

namespace {

// Corrects a window's first placement once, when the window manager has framed it and the
// frame is other than expected, and only while the window is still where it was put: a place
// the window manager chose, or a move the user made, always stands. Most window managers tell
// the frame before the window is mapped, when asked, and this has nothing to do; kwin tells it
// only once it has moved the window into its frame, which may be after the first exposure.
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
            Window->windowHandle()->installEventFilter(this);
            return false;
        }
        QWindow* handle = Window->windowHandle();
        if (watched == Window && event->type() == QEvent::Hide) {
            Done(handle); // the next showing is placed anew
            return false;
        }
        if (watched != handle) {
            return false;
        }
        if (event->type() == QEvent::Expose && handle->isExposed()) {
            Exposed = true;
        } else if (event->type() != QEvent::Move || !Exposed) {
            return false;
        }
        const QMargins frame = handle->frameMargins();
        // While kwin frames a window, Qt may find it in a frame of no size: no frame yet.
        if (frame == Guess || frame.left() < 0 || frame.top() < 0 || frame.right() < 0 ||
            frame.bottom() < 0) {
            return false; // framed as expected, or not framed yet
        }
        Seen().Last = frame;
        // Far from where it was put, it may be only on its way there (kwin frames a window at
        // the screen's corner first): watched on.
        if (StillWherePut(handle->framePosition())) {
            Done(handle);
            // Qt converts the client's position for the window manager, whichever gravity the
            // window was created with.
            handle->setPosition(CentredFrame(handle->size(), frame, Centre, Bounds) +
                                QPoint(frame.left(), frame.top()));
        }
        return false;
    }

  private:
    void Done(QWindow* handle)
    {
        Window->removeEventFilter(this);
        if (handle != nullptr) {
            handle->removeEventFilter(this);
        }
        deleteLater();
    }

    // Some window managers (icewm) report the first position as if the frame were not yet
    // there: an offset within the frame's own size is the same place, a larger one is a place
    // of the window manager's choosing.
    [[nodiscard]] bool StillWherePut(QPoint frameAt) const
    {
        const QPoint off = frameAt - FrameAt;
        return std::abs(off.x()) <= Seen().Last.left() + Seen().Last.right() &&
               std::abs(off.y()) <= Seen().Last.top() + Seen().Last.bottom();
    }

    QWidget* Window;
    QPoint FrameAt;
    QMargins Guess;
    QPoint Centre;
    QRect Bounds;
    bool Exposed = false;
};

} // namespace

void CorrectOnceFramed(QWidget* window, QPoint frameAt, QMargins expected, QPoint centre,
                       const QRect& bounds)
{
    new FrameCorrection(window, frameAt, expected, centre, bounds);
}

} // namespace platform
