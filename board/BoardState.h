// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "board/Lines.h"

#include <array>
#include <cstdint>
#include <string>

namespace zorvane {

inline constexpr std::int32_t OutcomeInPlay = -1;
inline constexpr std::int32_t OutcomeLine = 1;
inline constexpr std::int32_t OutcomeFull = 0;
inline constexpr std::int32_t AnnouncementTicks = 6;

// The round in play and everything the board window shows of it. A plain value: tests copy
// positions and explore from them.
struct BoardState {
    std::int16_t Turn = 0;
    std::int16_t FilledCount = 0;
    std::array<std::int16_t, 9> CellTaken{};
    std::array<std::int16_t, 9> CellFree{};
    std::int16_t MoveCount = 0;
    std::int16_t ChosenCell = 0;
    std::int32_t HoverColumn = 0;
    std::int32_t HoverRow = 0;
    std::int32_t RoundOutcome = 0;
    std::int32_t BannerTicks = 0;

    // Shown state of the window's controls.
    std::array<Mark, 9> Marks{};
    std::array<bool, OverlayCount> OverlayShown{};
    bool RoundBannerShown = false;
    bool VerdictShown = false;
    std::string VerdictText = "Win";
    bool MenusEnabled = true;
    bool Timer1Enabled = false;
    bool Timer2Enabled = false;

    [[nodiscard]] bool Shows(Overlay overlay) const
    {
        return OverlayShown[static_cast<std::size_t>(overlay)];
    }
    [[nodiscard]] int ShownOverlayCount() const;
};

// Grid band of a pointer coordinate: -1 before the grid, 0..2 on it, 3 and more beyond.
[[nodiscard]] std::int32_t PointerBand(float coordinate);

// The board's reaction to the pointer, without the computer's answer (see Computer.h).
void MovePointer(BoardState& board, float x, float y);
// Cell under the last pointer move, or -1 when the pointer was off the grid.
[[nodiscard]] int HoverCell(const BoardState& board);
// Empties the board for a round (marks, overlays, cells, counters), leaving banners alone.
void ClearBoard(BoardState& board);

} // namespace zorvane
