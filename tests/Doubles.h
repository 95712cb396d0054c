// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "board/Computer.h"
#include "board/Round.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

// Hands out the draws a test scripts, and counts the reseeds.
class ScriptedRandom final : public zorvane::RandomSource {
  public:
    explicit ScriptedRandom(std::deque<float> draws = {}) : Draws(std::move(draws)) {}
    void Reseed() override { ++Reseeds; }
    float Draw() override
    {
        ++DrawCount;
        if (Draws.empty()) {
            // Beyond the script: walk the cells 0..7 so that the choice still ends.
            Unscripted = true;
            return Fallback >= 0.0f ? Fallback : (static_cast<float>(DrawCount % 8) + 0.5f) / 8.0f;
        }
        const float r = Draws.front();
        Draws.pop_front();
        return r;
    }
    std::deque<float> Draws;
    float Fallback = 0.0f; // negative: cycle through the cells instead
    bool Unscripted = false;
    int Reseeds = 0;
    int DrawCount = 0;
};

// Records what the one-player click asks of the window, with the marks at that moment.
class RecordingHost final : public zorvane::MoveHost {
  public:
    explicit RecordingHost(const zorvane::BoardState& board) : Board(board) {}
    void RepaintNow() override { Log.push_back("repaint " + Marks()); }
    void SetWaitCursor(bool waiting) override
    {
        Log.push_back(waiting ? "wait " + Marks() : "normal " + Marks());
    }
    void Pause(std::chrono::milliseconds length) override
    {
        Log.push_back("pause" + std::to_string(length.count()) + " " + Marks());
    }
    std::string Marks() const
    {
        std::string marks;
        for (const zorvane::Mark mark : Board.Marks) {
            marks += mark == zorvane::Mark::O ? 'O' : mark == zorvane::Mark::X ? 'X' : '.';
        }
        return marks;
    }
    const zorvane::BoardState& Board;
    std::vector<std::string> Log;
};

// The record's invariants: RoundIndex in 0..5, only (1, 0), (0, 1) or (0, 0) in scored slots,
// zeros above RoundIndex.
inline bool RecordHolds(const zorvane::MatchRecord& record)
{
    if (record.RoundIndex < 0 || record.RoundIndex > 5) {
        return false;
    }
    for (std::size_t k = 0; k < 5; ++k) {
        const auto pair = std::pair{record.RoundScoreOne[k], record.RoundScoreTwo[k]};
        const bool scored = static_cast<std::int32_t>(k) < record.RoundIndex;
        if (scored ? pair != std::pair{1, 0} && pair != std::pair{0, 1} && pair != std::pair{0, 0}
                   : pair != std::pair{0, 0}) {
            return false;
        }
    }
    return true;
}

// Draw that lands on the given cell: floor(r * 8) == cell.
inline float DrawFor(int cell)
{
    return (static_cast<float>(cell) + 0.5f) / 8.0f;
}
