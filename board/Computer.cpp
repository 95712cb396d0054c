// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/Computer.h"

#include "board/Lines.h"
#include "match/Flags.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>

namespace zorvane {

namespace {

constexpr float DrawnCells = 8.0f;

// One test of the computer's table: marks on P and Q, target T open -> take T.
struct PatternTest {
    Mark Reads;
    int P;
    int Q;
    int T;
};

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

// Own line first (to win), then the human's (to block): 48 tests in a fixed order.
constexpr std::array<PatternTest, 48> PatternTable = BuildPatternTable();

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
