// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// Input that the window system still holds for the program, not yet given to Qt.

namespace platform {

// Discards the presses, releases and keys that wait in the window system's queue for this
// thread; pointer moves stay.
void DiscardWaitingInput();

} // namespace platform
