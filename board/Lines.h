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
// The overlays' names, in the order of Overlay.
inline constexpr std::array<const char*, OverlayCount> OverlayNames{"l1", "l2", "l3", "l4",
                                                                    "l5", "l6", "lL", "lR"};
// The lines as a screen reader reads them, in the order of Overlay.
inline constexpr std::array<const char*, OverlayCount> LineNames{"top row",
                                                                 "middle row",
                                                                 "bottom row",
                                                                 "left column",
                                                                 "centre column",
                                                                 "right column",
                                                                 "diagonal from top left",
                                                                 "diagonal from top right"};

struct Line {
    std::array<int, 3> Cells; // first, middle, last
    Overlay Shows;
};

// Rows, then columns, then the diagonal from the top left, then from the top right.
// Both the line detection and the computer's pattern table depend on this order.
inline constexpr std::array<Line, 8> LineTable{{
    {{0, 1, 2}, Overlay::l1},
    {{3, 4, 5}, Overlay::l2},
    {{6, 7, 8}, Overlay::l3},
    {{0, 3, 6}, Overlay::l4},
    {{1, 4, 7}, Overlay::l5},
    {{2, 5, 8}, Overlay::l6},
    {{0, 4, 8}, Overlay::lL},
    {{2, 4, 6}, Overlay::lR},
}};

// One entry of the computer's table: marks on P and Q, target T open -> take T.
struct PatternTest {
    Mark Reads;
    int P;
    int Q;
    int T;
};

namespace detail {
constexpr std::array<PatternTest, 48> BuildPatternTable()
{
    std::array<PatternTest, 48> table{};
    std::size_t n = 0;
    for (const Mark mark : {Mark::X, Mark::O}) {
        for (const Line& line : LineTable) {
            const auto [first, middle, last] = line.Cells;
            table[n++] = {mark, first, middle, last};
            table[n++] = {mark, first, last, middle};
            table[n++] = {mark, middle, last, first};
        }
    }
    return table;
}
} // namespace detail

// Own line first (to win), then the human's (to block): 48 tests in a fixed order.
inline constexpr std::array<PatternTest, 48> PatternTable = detail::BuildPatternTable();

} // namespace zorvane
