// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "board/BoardState.h"
#include "match/MatchRecord.h"

namespace zorvane {

// The round's life between moves: start of a match, the watcher, the announcement, New Game.

// After the setup dialog has closed at load.
void StartFirstMatch(BoardState& board, MatchRecord& record);
// The board window became active: the watcher runs from now on.
void ActivateBoard(BoardState& board);
// One poll of the watcher: a finished round starts the announcement timer.
void WatchOutcome(BoardState& board);
// Whether a poll of the watcher could change anything now: it runs, a round has ended, and
// the announcement has not started.
[[nodiscard]] bool WatcherDue(const BoardState& board);
// One tick of the announcement timer.
void AnnounceTick(BoardState& board, MatchRecord& record);
// After the setup dialog of New Game has closed with OK. Also ends any announcement, so an
// old announcement cannot clear the new match's board.
void NewGame(BoardState& board, MatchRecord& record);

} // namespace zorvane
