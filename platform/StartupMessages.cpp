// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/StartupMessages.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {

QtMessageHandler PreviousHandler = nullptr;

struct HeldMessage {
    QtMsgType Type;
    QByteArray Category;
    QString Text;
};
std::vector<HeldMessage> HeldMessages;

void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        HeldMessages.push_back({type, QByteArray(context.category), text});
        return;
    }
    // Qt's fatal line is the same for every cause; the cause is in what it said before.
    const bool noDisplay =
        std::any_of(HeldMessages.begin(), HeldMessages.end(), [](const HeldMessage& held) {
            return held.Text.contains(QLatin1String("could not connect to display"));
        });
    if (noDisplay) {
        const QByteArray display = qgetenv("DISPLAY");
        if (display.isEmpty()) {
            std::fputs("zorvane: no display to open a window on (is DISPLAY set?)\n", stderr);
        } else {
            std::fprintf(stderr, "zorvane: cannot open the display %s\n", display.constData());
        }
    } else {
        for (const HeldMessage& held : HeldMessages) {
            std::fprintf(stderr, "zorvane: %s\n", qUtf8Printable(held.Text));
        }
        std::fprintf(stderr, "zorvane: %s\n", qUtf8Printable(text.trimmed()));
    }
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
    // The start went well: what Qt said on the way goes out as it would have.
    for (const HeldMessage& held : HeldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.Category.constData());
        qt_message_output(held.Type, context, held.Text);
    }
    HeldMessages.clear();
}

} // namespace platform
