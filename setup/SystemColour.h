// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

namespace zorvane {

// Entries of the platform's table of system colours, by their index in it.
enum class SystemColour { EntryBackground = 5, InactiveCaptionText = 19 };

} // namespace zorvane
