// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/StartupMessages.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace platform {

namespace {

QtMessageHandler PreviousHandler = nullptr;

struct HeldMessage {
    QtMsgType Type;
    QByteArray Category;
    QString Text;
};
// Qt's own threads (the X11 event reader, D-Bus) report through the handler too.
std::mutex HeldLock;
std::vector<HeldMessage> HeldMessages;

void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(HeldLock);
    if (type != QtFatalMsg) {
        HeldMessages.push_back({type, QByteArray(context.category), text});
        return;
    }
    // Qt's fatal line is the same for every cause; the cause is in what it said before.
    const bool noDisplay =
        std::any_of(HeldMessages.begin(), HeldMessages.end(), [](const HeldMessage& held) {
            return held.Text.contains(QLatin1String("could not connect to display"));
        });
    QStringList cause;
    if (noDisplay) {
        const QString display = qEnvironmentVariable("DISPLAY");
        cause << (display.isEmpty()
                      ? QStringLiteral("no display to open a window on (is DISPLAY set?)")
                      : QStringLiteral("cannot open the display %1").arg(display));
    } else {
        for (const HeldMessage& held : HeldMessages) {
            cause << held.Text;
        }
        cause << text.trimmed();
    }
    SayStartFailed(cause);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

StartupMessageGuard::StartupMessageGuard()
{
    PreviousHandler = qInstallMessageHandler(StartupMessages);
}

StartupMessageGuard::~StartupMessageGuard()
{
    qInstallMessageHandler(PreviousHandler);
    const std::lock_guard lock(HeldLock);
    // The start went well: what Qt said on the way goes out as it would have.
    for (const HeldMessage& held : HeldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.Category.constData());
        qt_message_output(held.Type, context, held.Text);
    }
    HeldMessages.clear();
}

} // namespace platform
