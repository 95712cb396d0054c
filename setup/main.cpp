// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/Computer.h"
#include "board/frmKelto.h"
#include "match/MatchRecord.h"
#include "platform/EndProgram.h"
#include "platform/StartupMessages.h"

#include "ZorvaneVersion.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[])
{
    std::optional<platform::StartupMessageGuard> guard(std::in_place);
    // A dialog's native window is asked for before it shows, to learn its frame; that must not
    // turn its siblings, the board's own children, into native windows too.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication app(argc, argv);
    // Taskbars and Wayland shells match the window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORVANE_APP_ID));
    QCoreApplication::setApplicationName(QStringLiteral("Zorvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORVANE_VERSION));
    guard.reset();

    zorvane::MatchRecord record;
    zorvane::ClockRandom random;
    frmKelto board(record, random, platform::EndProgram);
    if (!board.Form_Load()) {
        return 0;
    }
    board.show();
    return QApplication::exec();
}
