// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The computer's pause: what was painted before it is drawn by the window system first, then
// the user-interface thread blocks.

#include <chrono>

namespace platform {

// Returns once the window system has drawn what was painted, and told a compositor so.
void FinishDrawing();

void Sleep(std::chrono::milliseconds length);

} // namespace platform
