// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include <cstdint>

namespace zorvane {

// Flags are 16-bit integers holding exactly -1 or 0; every test compares with one of these.
// (Not named True/False: X11 headers define macros with those names.)
inline constexpr std::int16_t FlagTrue = -1;
inline constexpr std::int16_t FlagFalse = 0;

} // namespace zorvane
