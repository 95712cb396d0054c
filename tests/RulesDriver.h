// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "Doubles.h"

#include "board/BoardGeometry.h"
#include "board/RoundFlow.h"
#include "match/Flags.h"

#include <initializer_list>
#include <string_view>

// Marks read row by row: 'O', 'X', anything else an empty cell. "XO.X....." is X on 0 and 3.
inline std::array<zorvane::Mark, 9> MarksFrom(std::string_view pattern)
{
    std::array<zorvane::Mark, 9> marks{};
    for (std::size_t i = 0; i < marks.size() && i < pattern.size(); ++i) {
        marks[i] = pattern[i] == 'O'   ? zorvane::Mark::O
                   : pattern[i] == 'X' ? zorvane::Mark::X
                                       : zorvane::Mark::None;
    }
    return marks;
}

// One match under the rules alone, driven as the board window drives them: set up as Ann
// against Bob or the computer, started and active. A value, so that a test can copy a position
// and explore from it; a copy's host watches the copy's own board.
struct RulesDriver {
    explicit RulesDriver(bool onePlayer = false)
    {
        record.AcceptSetup("Ann", onePlayer ? "Computer" : "Bob", onePlayer);
        zorvane::StartFirstMatch(board, record);
        zorvane::ActivateBoard(board);
    }
    RulesDriver(const RulesDriver& other)
        : board(other.board), record(other.record), random(other.random)
    {
        host.Log = other.host.Log;
    }
    RulesDriver& operator=(const RulesDriver&) = delete;

    // A one-player round at the pattern's marks, CellTaken and CellFree to match. No operation
    // reaches an arbitrary position, so the fields are set directly.
    static RulesDriver OnePlayerAt(std::string_view pattern)
    {
        RulesDriver game(true);
        game.board.Marks = MarksFrom(pattern);
        for (std::size_t i = 0; i < 9; ++i) {
            const bool taken = game.board.Marks[i] != zorvane::Mark::None;
            game.board.CellTaken[i] = taken ? zorvane::FlagTrue : zorvane::FlagFalse;
            game.board.CellFree[i] = taken ? zorvane::FlagFalse : zorvane::FlagTrue;
        }
        return game;
    }

    void Point(float x, float y) { zorvane::MovePointer(board, x, y); }
    // A click on whatever cell the pointer last moved to.
    void Click() { zorvane::Click(board, record, host, random); }
    void Play(std::initializer_list<int> cells)
    {
        for (const int cell : cells) {
            const auto [x, y] = zorvane::geometry::CellCentre(cell);
            Point(static_cast<float>(x), static_cast<float>(y));
            Click();
        }
    }
    // Announcement ticks, each after a poll of the watcher, as the window's two timers run.
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i) {
            zorvane::WatchOutcome(board);
            zorvane::AnnounceTick(board, record);
        }
    }
    // Plays each round and lets its announcement run out.
    void PlayRounds(std::initializer_list<std::initializer_list<int>> rounds)
    {
        for (const auto& cells : rounds) {
            Play(cells);
            Ticks(zorvane::AnnouncementTicks);
        }
    }
    // Five rounds of the same moves, up to the verdict on the last round's first tick.
    void PlayMatch(std::initializer_list<int> cells)
    {
        PlayRounds({cells, cells, cells, cells});
        Play(cells);
        Ticks(1);
    }
    // Earlier rounds of the match, scored as draws without playing them.
    [[nodiscard]] bool RecordDraws(int rounds)
    {
        for (int i = 0; i < rounds; ++i) {
            if (!record.RecordResult(0, 0)) {
                return false;
            }
        }
        return true;
    }

    zorvane::BoardState board;
    zorvane::MatchRecord record;
    RecordingHost host{board};
    ScriptedRandom random;
};
