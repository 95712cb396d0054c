// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/StartupMessages.h"

#include <qt_windows.h>

#include <cstdio>

namespace platform {

// A program of the GUI subsystem has no console: a message box, as Qt itself shows when its
// platform plugin cannot load. The standard error still gets the lines where one was given.
void SayStartFailed(const QStringList& lines)
{
    for (const QString& line : lines) {
        std::fprintf(stderr, "zorvane: %s\n", qUtf8Printable(line));
    }
    std::fflush(stderr);
    const QString text = lines.join(QLatin1Char('\n'));
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()), L"Zorvane",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

} // namespace platform
