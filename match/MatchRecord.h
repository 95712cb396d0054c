// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zorvane {

inline constexpr std::int32_t RoundsPerMatch = 5;

// The one record shared by every window: who plays, in which style, and the points per round.
struct MatchRecord {
    std::string PlayerOneName;
    std::string PlayerTwoName;
    std::int16_t OnePlayerMode = 0;
    std::array<std::int32_t, RoundsPerMatch> RoundScoreOne{};
    std::array<std::int32_t, RoundsPerMatch> RoundScoreTwo{};
    std::int32_t RoundIndex = 0;

    // Stores one round's points in slot RoundIndex and advances it. Returns false, changing
    // nothing, when RoundIndex is outside 0..4.
    [[nodiscard]] bool RecordResult(std::int32_t pointsOne, std::int32_t pointsTwo);
    [[nodiscard]] bool CanRecord() const { return RoundIndex >= 0 && RoundIndex < RoundsPerMatch; }

    void AcceptSetup(std::string playerOne, std::string playerTwo, bool onePlayer);
    void StartFirstMatch() { RoundIndex = 0; }
    void StartNewMatch();
};

[[nodiscard]] std::int32_t TotalOne(const MatchRecord& record);
[[nodiscard]] std::int32_t TotalTwo(const MatchRecord& record);
[[nodiscard]] std::string MatchVerdict(const MatchRecord& record);

} // namespace zorvane
