// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include <array>
#include <cstdint>

namespace zorvane {

enum class Mark : std::uint8_t { None, O, X };

// The overlays in the order of the line table below.
enum class Overlay : std::uint8_t { l1, l2, l3, l4, l5, l6, lL, lR };
inline constexpr std::size_t OverlayCount = 8;

// The cells' places as a screen reader reads them, in reading order.
inline constexpr std::array<const char*, 9> CellPlaces{
    "top left",     "top centre",  "top right",     "middle left", "centre",
    "middle right", "bottom left", "bottom centre", "bottom right"};

struct Line {
    std::array<int, 3> Cells; // first, middle, last
    Overlay Shows;
    const char* OverlayName; // the overlay control's object name
    const char* Spoken;      // the line as a screen reader reads it
};

// Rows, then columns, then the diagonal from the top left, then from the top right, so that
// line k shows overlay k. Both the line detection and the computer's pattern table depend on
// this order.
inline constexpr std::array<Line, OverlayCount> LineTable{{
    {{0, 1, 2}, Overlay::l1, "l1", "top row"},
    {{3, 4, 5}, Overlay::l2, "l2", "middle row"},
    {{6, 7, 8}, Overlay::l3, "l3", "bottom row"},
    {{0, 3, 6}, Overlay::l4, "l4", "left column"},
    {{1, 4, 7}, Overlay::l5, "l5", "centre column"},
    {{2, 5, 8}, Overlay::l6, "l6", "right column"},
    {{0, 4, 8}, Overlay::lL, "lL", "diagonal from top left"},
    {{2, 4, 6}, Overlay::lR, "lR", "diagonal from top right"},
}};

} // namespace zorvane
