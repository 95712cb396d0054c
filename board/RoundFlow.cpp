// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/RoundFlow.h"

#include "match/Flags.h"

namespace zorvane {

namespace {

void StartNextRound(BoardState& board)
{
    board.Timer1Enabled = false;
    ClearBoard(board);
    board.MenusEnabled = true;
}

void EndMatch(BoardState& board, const MatchRecord& record)
{
    board.MenusEnabled = true;
    board.Timer1Enabled = false;
    board.RoundOutcome = OutcomeInPlay;
    board.RoundBannerShown = false;
    board.VerdictText = MatchVerdict(record);
    board.VerdictShown = true;
}

} // namespace

void StartFirstMatch(BoardState& board, MatchRecord& record)
{
    board.Turn = 0;
    board.FilledCount = 0;
    record.StartFirstMatch();
    board.BannerTicks = 0;
    board.RoundOutcome = OutcomeInPlay;
    board.CellFree.fill(FlagTrue);
}

void ActivateBoard(BoardState& board)
{
    board.Timer2Enabled = true;
}

void WatchOutcome(BoardState& board)
{
    if (board.RoundOutcome != OutcomeInPlay) {
        board.Timer1Enabled = true;
    }
}

bool WatcherDue(const BoardState& board)
{
    return board.Timer2Enabled && board.RoundOutcome != OutcomeInPlay && !board.Timer1Enabled;
}

void AnnounceTick(BoardState& board, MatchRecord& record)
{
    board.MenusEnabled = false;
    board.RoundBannerShown = !board.RoundBannerShown;
    ++board.BannerTicks;
    if (record.RoundIndex >= RoundsPerMatch) {
        EndMatch(board, record);
    } else if (board.BannerTicks == AnnouncementTicks) {
        StartNextRound(board);
    }
}

void NewGame(BoardState& board, MatchRecord& record)
{
    board.Timer1Enabled = false;
    board.RoundBannerShown = false;
    board.MenusEnabled = true;
    ClearBoard(board);
    board.VerdictShown = false;
    record.StartNewMatch();
}

} // namespace zorvane
