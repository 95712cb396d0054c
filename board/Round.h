// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "board/BoardState.h"
#include "board/Computer.h"
#include "match/MatchRecord.h"

#include <chrono>
#include <cstdint>
#include <stdexcept>

namespace zorvane {

// What the one-player click needs from the window in the middle of the move.
class MoveHost {
  public:
    virtual ~MoveHost() = default;
    // Brings the controls in line with the board and paints them now.
    virtual void RepaintNow() = 0;
    virtual void SetWaitCursor(bool waiting) = 0;
    // Blocks the calling thread; no input is handled meanwhile.
    virtual void Pause(std::chrono::milliseconds length) = 0;
};

inline constexpr std::chrono::milliseconds ComputerPause{200};

// Raised when a round result cannot be stored because the match already has five.
class ResultRefused : public std::out_of_range {
  public:
    ResultRefused() : std::out_of_range("round result refused: RoundIndex outside 0..4") {}
};

// Checks the mark just placed: 1 a line was completed, 0 the board filled, -1 play goes on.
// Throws ResultRefused, with the line's overlay already shown, when the record is full.
std::int32_t Results(BoardState& board, MatchRecord& record);

// A click acting on the cell of the last pointer move. Any fault inside ends the click
// silently, keeping what it had changed.
void Click(BoardState& board, MatchRecord& record, MoveHost& host, RandomSource& random);

} // namespace zorvane
