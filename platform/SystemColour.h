// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The platform's table of system colours: its entries (plain C++, for the setup rules too)
// and, for the windows, the colour that stands for each.

namespace zorvane {

// Entries of the table, by their index in it.
enum class SystemColour { EntryBackground = 5, InactiveCaptionText = 19 };

} // namespace zorvane
