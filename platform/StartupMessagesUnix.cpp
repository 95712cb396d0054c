// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/StartupMessages.h"

#include <cstdio>

namespace platform {

// Started from a terminal or a desktop entry, the standard error is where it is looked for.
void SayStartFailed(const QStringList& lines)
{
    for (const QString& line : lines) {
        std::fprintf(stderr, "zorvane: %s\n", qUtf8Printable(line));
    }
}

} // namespace platform
