// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "board/BoardState.h"
#include "match/MatchRecord.h"

#include <array>
#include <string>
#include <vector>

namespace zorvane {

// What a screen reader hears of the board: every cell by its place and mark, the round and
// whose turn it is, and the news told as marks are placed and as the board clears.

// "top left, empty", "top left, O".
[[nodiscard]] std::string CellName(int cell, Mark mark);
// "Ann (O) to move".
[[nodiscard]] std::string MoverText(const std::string& name, Mark mark);
// "Winning line: top row. Ann takes the round."
[[nodiscard]] std::string LineText(const Line& line, const std::string& winner);
// "Round 2 of 5. Ann (O) to move.", or without the mover once the round is over.
[[nodiscard]] std::string RoundText(int round, const std::string& mover);
// The round and whose turn it is, or "Match over." once the verdict shows: the verdict banner
// says who won.
[[nodiscard]] std::string Summary(const BoardState& board, const MatchRecord& record);
// The board window's description, read as the window becomes active.
[[nodiscard]] std::string WindowDescription(const BoardState& board, const MatchRecord& record);

// The news takes the focus, in turn one of two objects, since a screen reader reads a focus
// change only to another object.
inline constexpr int NewsSlots = 2;

// What has been told so far: a plain value, kept between two looks at the board.
struct Narration {
    std::array<Mark, 9> Told{};
    // The player's mark not told yet, in one-player mode: the computer's answer is awaited.
    int Unsaid = -1;
    // The news slot that has the focus, or -1.
    int FocusSlot = -1;
    std::array<std::string, NewsSlots> News;
};

// One thing to tell a screen reader, in the order told.
struct Telling {
    enum class Kind : std::uint8_t { CellRenamed, NewsFocused };
    Kind What;
    int Index; // the cell, or the news slot
    friend bool operator==(const Telling&, const Telling&) = default;
};

// Looks at the board as it is now and says what changed since the last look. In one-player
// mode the player's mark is told with the computer's answer, once the computer has made it
// after its pause, or once the round has ended without one: a screen reader cuts what it is
// saying short for what comes next.
[[nodiscard]] std::vector<Telling> Narrate(Narration& narration, const BoardState& board,
                                           const MatchRecord& record);

} // namespace zorvane
