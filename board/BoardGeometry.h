// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "board/Lines.h"

#include <array>

// The board's client area in pixels, defined once: the window places its controls by it, the
// pointer mapping reads its bands, the tests click by it.
namespace zorvane::geometry {

struct Point {
    int X;
    int Y;
};

struct Rect {
    int X;
    int Y;
    int Width;
    int Height;
};

struct Segment {
    Point From;
    Point To;
    int Width;
};

inline constexpr int ClientWidth = 301;
inline constexpr int ClientHeight = 290;
inline constexpr Rect Client{0, 0, ClientWidth, ClientHeight};

// The pointer's bands on each axis: band k covers GridOrigin + k * BandWidth onwards.
inline constexpr int GridOrigin = 20;
inline constexpr int BandWidth = 85;

inline constexpr int MarkSize = 32;
inline constexpr std::array<int, 3> MarkLeft{40, 128, 216};
inline constexpr std::array<int, 3> MarkTop{45, 130, 220};

// Top left corner of a cell's mark picture.
constexpr Point MarkCorner(int cell)
{
    return {MarkLeft[static_cast<std::size_t>(cell % 3)],
            MarkTop[static_cast<std::size_t>(cell / 3)]};
}

// The middle of a cell's bands.
constexpr Point CellCentre(int cell)
{
    return {GridOrigin + BandWidth * (cell % 3) + BandWidth / 2,
            GridOrigin + BandWidth * (cell / 3) + BandWidth / 2};
}

// "Next Round" across the middle band; the verdict starts here and is centred when shown.
inline constexpr Rect RoundBanner{0, 104, ClientWidth, 59};
inline constexpr Point VerdictAt{104, 176};
// The banners' sizes in points.
inline constexpr double RoundBannerPoints = 36.0;
inline constexpr double VerdictPoints = 27.75;

// Line1..Line4: the grid, always shown.
inline constexpr std::array<Segment, 4> GridRules{{
    {{24, 190}, {272, 190}, 5},
    {{24, 104}, {272, 104}, 5},
    {{186, 24}, {186, 270}, 5},
    {{101, 24}, {101, 270}, 5},
}};

// The winning-line overlays, in the order of Overlay: l1..l6, lL, lR.
inline constexpr std::array<Segment, OverlayCount> OverlayRules{{
    {{24, 60}, {273, 60}, 3},
    {{24, 144}, {273, 144}, 3},
    {{24, 232}, {273, 232}, 3},
    {{56, 24}, {56, 272}, 3},
    {{144, 24}, {144, 272}, 3},
    {{232, 24}, {232, 272}, 3},
    {{30, 32}, {262, 264}, 2},
    {{273, 16}, {25, 264}, 2},
}};

} // namespace zorvane::geometry
