// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The computer's pause: the user-interface thread sleeps, as a blocking wait.

#include <chrono>
#include <thread>

namespace platform {

inline void Sleep(std::chrono::milliseconds length)
{
    std::this_thread::sleep_for(length);
}

} // namespace platform
