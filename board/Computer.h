// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "board/BoardState.h"

#include <cstdint>
#include <random>

namespace zorvane {

// Where the computer's random draws come from: clock-reseeded in the program, scripted in tests.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    // Uniform in [0, 1).
    virtual float Draw() = 0;
};

// Reseeds from the clock before every draw. The clock is mixed with the generator's running
// state so that draws made within one clock tick still differ.
class ClockRandom final : public RandomSource {
  public:
    void Reseed() override;
    float Draw() override;

  private:
    std::mt19937 Generator{std::random_device{}()};
};

// Overwrites ChosenCell with the target of the first of the 48 tests that holds.
void WinOrNot(BoardState& board);
// Draws until the chosen cell is open; leaves the result in ChosenCell.
void ChooseComputerCell(BoardState& board, RandomSource& random);

} // namespace zorvane
