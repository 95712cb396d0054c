// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// What the program says when the window system cannot start.

#include <QStringList>

namespace platform {

// Tells the user, through the platform's channel for a program that could not start, why:
// one line each.
void SayStartFailed(const QStringList& lines);

// Holds Qt's messages while the application object is made: where that fails, prints its
// cause (one plain line when there is no display) and exits non-zero instead of Qt's abort;
// once the application object stands, passes the held messages on.
class StartupMessageGuard {
  public:
    StartupMessageGuard();
    ~StartupMessageGuard();
    StartupMessageGuard(const StartupMessageGuard&) = delete;
    StartupMessageGuard& operator=(const StartupMessageGuard&) = delete;
};

} // namespace platform
