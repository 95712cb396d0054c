// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/Round.h"

#include "match/Flags.h"

#include <algorithm>

namespace zorvane {

namespace {

void PlaceMark(BoardState& board, int cell, Mark mark)
{
    board.Marks[static_cast<std::size_t>(cell)] = mark;
    board.CellFree[static_cast<std::size_t>(cell)] = FlagFalse;
}

void TwoPlayerMove(BoardState& board, MatchRecord& record, int cell)
{
    if (board.CellFree[static_cast<std::size_t>(cell)] == FlagFalse) {
        return;
    }
    if (board.Turn == 0) {
        PlaceMark(board, cell, Mark::O);
        board.Turn = 1;
    } else if (board.Turn == 1) {
        PlaceMark(board, cell, Mark::X);
        board.Turn = 0;
    }
    Results(board, record);
}

// The hourglass for as long as it lives: never left on after a fault.
class WaitCursor {
  public:
    explicit WaitCursor(MoveHost& host) : Host(host) { Host.SetWaitCursor(true); }
    ~WaitCursor() { Host.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    MoveHost& Host;
};

void ComputerMove(BoardState& board, MatchRecord& record, MoveHost& host, RandomSource& random)
{
    host.RepaintNow();
    const WaitCursor hourglass(host);
    host.Pause(ComputerPause);
    ChooseComputerCell(board, random);
    PlaceMark(board, board.ChosenCell, Mark::X);
    board.CellTaken[static_cast<std::size_t>(board.ChosenCell)] = FlagTrue;
    ++board.MoveCount;
    Results(board, record);
    board.Turn = 0;
}

void OnePlayerMove(BoardState& board, MatchRecord& record, MoveHost& host, RandomSource& random,
                   int cell)
{
    const auto index = static_cast<std::size_t>(cell);
    if (board.Turn != 0 || board.CellFree[index] == FlagFalse) {
        return;
    }
    PlaceMark(board, cell, Mark::O);
    board.Turn = 1;
    board.CellTaken[index] = FlagTrue;
    ++board.MoveCount;
    if (Results(board, record) == OutcomeLine) {
        board.MoveCount = 9;
    }
    if (board.MoveCount >= 9) {
        return;
    }
    ComputerMove(board, record, host, random);
}

} // namespace

std::int32_t Results(BoardState& board, MatchRecord& record)
{
    const auto completes = [&board](const Line& line, Mark mark) {
        return std::all_of(line.Cells.begin(), line.Cells.end(), [&](int cell) {
            return board.Marks[static_cast<std::size_t>(cell)] == mark;
        });
    };
    for (const Line& line : LineTable) {
        Mark winner = Mark::None;
        if (completes(line, Mark::O)) {
            winner = Mark::O;
        } else if (completes(line, Mark::X)) {
            winner = Mark::X;
        }
        if (winner == Mark::None) {
            continue;
        }
        board.OverlayShown[static_cast<std::size_t>(line.Shows)] = true;
        const bool oWon = winner == Mark::O;
        if (!record.RecordResult(oWon ? 1 : 0, oWon ? 0 : 1)) {
            throw ResultRefused{};
        }
        board.CellFree.fill(FlagFalse);
        board.FilledCount = 0;
        board.RoundOutcome = OutcomeLine;
        return OutcomeLine;
    }
    const auto filled = static_cast<std::int16_t>(board.FilledCount + 1);
    if (filled == 9) {
        if (!record.RecordResult(0, 0)) {
            throw ResultRefused{};
        }
        board.FilledCount = filled;
        board.RoundOutcome = OutcomeFull;
        return OutcomeFull;
    }
    board.FilledCount = filled;
    board.RoundOutcome = OutcomeInPlay;
    return OutcomeInPlay;
}

void Click(BoardState& board, MatchRecord& record, MoveHost& host, RandomSource& random)
{
    const int cell = HoverCell(board);
    if (cell < 0) {
        return;
    }
    try {
        if (record.OnePlayerMode == FlagFalse) {
            TwoPlayerMove(board, record, cell);
        } else {
            OnePlayerMove(board, record, host, random, cell);
        }
    } catch (const std::exception&) {
        // The click's single fault exit: abandon the rest silently.
    }
}

} // namespace zorvane
