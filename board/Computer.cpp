// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/Computer.h"

#include "match/Flags.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>

namespace zorvane {

namespace {
constexpr float DrawnCells = 8.0f;
} // namespace

void ClockRandom::Reseed()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto clock = static_cast<std::uint64_t>(ticks);
    const std::array<std::uint32_t, 4> parts{
        static_cast<std::uint32_t>(clock), static_cast<std::uint32_t>(clock >> 32),
        static_cast<std::uint32_t>(Generator()), static_cast<std::uint32_t>(Generator())};
    std::seed_seq seed(parts.begin(), parts.end());
    Generator.seed(seed);
}

float ClockRandom::Draw()
{
    // 24 random bits scaled by 2^-24: exactly uniform on a float grid, never 1.
    return static_cast<float>(Generator() >> 8) * 0x1p-24f;
}

void WinOrNot(BoardState& board)
{
    for (const PatternTest& test : PatternTable) {
        if (board.Marks[test.P] == test.Reads && board.Marks[test.Q] == test.Reads &&
            board.CellTaken[test.T] == FlagFalse) {
            board.ChosenCell = static_cast<std::int16_t>(test.T);
            return;
        }
    }
}

void ChooseComputerCell(BoardState& board, RandomSource& random)
{
    do {
        random.Reseed();
        // Eight values, not nine: cell 8 is reached only through the table. The clamp only
        // guards the index against a source that breaks its [0, 1) promise.
        const float drawn = std::floor(random.Draw() * DrawnCells);
        board.ChosenCell = static_cast<std::int16_t>(std::clamp(drawn, 0.0f, DrawnCells - 1.0f));
        WinOrNot(board);
    } while (board.CellTaken[static_cast<std::size_t>(board.ChosenCell)] != FlagFalse);
}

} // namespace zorvane
