// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "match/MatchRecord.h"

#include "match/Flags.h"

#include <numeric>

namespace zorvane {

bool MatchRecord::RecordResult(std::int32_t pointsOne, std::int32_t pointsTwo)
{
    if (!CanRecord()) {
        return false;
    }
    const auto slot = static_cast<std::size_t>(RoundIndex);
    RoundScoreOne[slot] = pointsOne;
    RoundScoreTwo[slot] = pointsTwo;
    ++RoundIndex;
    return true;
}

void MatchRecord::AcceptSetup(std::string playerOne, std::string playerTwo, bool onePlayer)
{
    PlayerOneName = std::move(playerOne);
    PlayerTwoName = std::move(playerTwo);
    OnePlayerMode = onePlayer ? FlagTrue : FlagFalse;
}

void MatchRecord::StartNewMatch()
{
    RoundIndex = 0;
    RoundScoreOne.fill(0);
    RoundScoreTwo.fill(0);
}

std::int32_t TotalOne(const MatchRecord& record)
{
    return std::accumulate(record.RoundScoreOne.begin(), record.RoundScoreOne.end(), 0);
}

std::int32_t TotalTwo(const MatchRecord& record)
{
    return std::accumulate(record.RoundScoreTwo.begin(), record.RoundScoreTwo.end(), 0);
}

std::string MatchVerdict(const MatchRecord& record)
{
    const std::int32_t one = TotalOne(record);
    const std::int32_t two = TotalTwo(record);
    if (one > two) {
        return record.PlayerOneName + " Win.";
    }
    if (two > one) {
        return record.PlayerTwoName + " Win.";
    }
    return "Draw Game";
}

} // namespace zorvane
