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
    QCoreApplication::instance()->installEventFilter(drop);
    // Lifted once the event loop has delivered what was queued by then: first every event
    // posted before this one, then, through a zero timer, what the window system still held.
    QMetaObject::invokeMethod(
        drop, [drop] { QTimer::singleShot(0, drop, &QObject::deleteLater); }, Qt::QueuedConnection);
}

} // namespace platform
