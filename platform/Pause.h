// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The computer's pause: the user-interface thread blocks, after what was painted before it has
// been sent to the screen.

#include <chrono>

namespace platform {

void Sleep(std::chrono::milliseconds length);

} // namespace platform
