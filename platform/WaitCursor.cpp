// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/WaitCursor.h"

#include "platform/QueuedInput.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QTimer>

namespace platform {

void SetWaitCursor(bool waiting)
{
    if (waiting) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QApplication::restoreOverrideCursor();
    }
}

namespace {

const char* const DropName = "zorvaneInputDrop";

// Swallows every press, release and key delivered while it lives.
class InputDrop final : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void DropQueuedInput()
{
    DiscardWaitingInput();
    auto* drop = new InputDrop(QCoreApplication::instance());
    drop->setObjectName(QLatin1String(DropName));
    QCoreApplication::instance()->installEventFilter(drop);
    // Lifted two turns of the event loop later: a queued call, then a zero timer, which Qt 6
    // also runs as a queued call, so no sooner than the turn after the first. That is long
    // enough on X11 because Qt's reader thread read the input made during the pause while the
    // pause lasted: it is in Qt's queue of window-system events when the loop first turns, and
    // each turn delivers every window-system event queued by then. On Windows it is taken from
    // the thread's own queue above.
    QMetaObject::invokeMethod(
        drop, [drop] { QTimer::singleShot(0, drop, &QObject::deleteLater); }, Qt::QueuedConnection);
}

bool DroppingInput()
{
    return QCoreApplication::instance()->findChild<QObject*>(QLatin1String(DropName),
                                                             Qt::FindDirectChildrenOnly) != nullptr;
}

} // namespace platform
