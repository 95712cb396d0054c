// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/BoardState.h"

#include "board/BoardGeometry.h"
#include "match/Flags.h"

#include <algorithm>
#include <cmath>

namespace zorvane {

int BoardState::ShownOverlayCount() const
{
    return static_cast<int>(std::count(OverlayShown.begin(), OverlayShown.end(), true));
}

std::int32_t PointerBand(float coordinate)
{
    // Round half to even, then integer division that drops the remainder (toward zero).
    // Positions far outside the window (a held button) are clamped to keep the cast defined.
    constexpr auto origin = static_cast<float>(geometry::GridOrigin);
    const float clamped = std::clamp(coordinate, -1.0e6f, 1.0e6f);
    const auto offset = static_cast<std::int32_t>(std::nearbyint(clamped - origin));
    std::int32_t band = offset / geometry::BandWidth;
    // Applied after the division: an offset between -84 and -1 would otherwise give band 0.
    if (coordinate < origin) {
        band = -1;
    }
    return band;
}

void MovePointer(BoardState& board, float x, float y)
{
    board.HoverColumn = PointerBand(x);
    board.HoverRow = PointerBand(y);
}

int HoverCell(const BoardState& board)
{
    const auto onGrid = [](std::int32_t band) { return band >= 0 && band <= 2; };
    if (!onGrid(board.HoverColumn) || !onGrid(board.HoverRow)) {
        return -1;
    }
    return board.HoverRow * 3 + board.HoverColumn;
}

void ClearBoard(BoardState& board)
{
    board.Marks.fill(Mark::None);
    board.CellFree.fill(FlagTrue);
    board.OverlayShown.fill(false);
    board.Turn = 0;
    board.FilledCount = 0;
    board.BannerTicks = 0;
    board.RoundOutcome = OutcomeInPlay;
    board.CellTaken.fill(FlagFalse);
    board.MoveCount = 0;
}

} // namespace zorvane
