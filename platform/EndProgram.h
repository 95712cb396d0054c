// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// Ending the program from inside a handler: every event loop returns and no further handler
// runs.

#include <QCoreApplication>

namespace platform {

inline void EndProgram()
{
    QCoreApplication::exit(0);
}

} // namespace platform
