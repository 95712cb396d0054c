// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "match/MatchRecord.h"
#include "platform/SystemColour.h"

#include <string>

namespace zorvane {

enum class PlayingStyle { OnePlayer, TwoPlayers };

enum class NameBox { One, Player1, Player2 };

struct NameBoxState {
    bool Enabled;
    SystemColour Colour;
};

struct NameBoxStates {
    NameBoxState One;
    NameBoxState Player1;
    NameBoxState Player2;
    NameBox Focus;
};

// Which name boxes a style uses, and which of them takes the focus.
[[nodiscard]] NameBoxStates BoxStates(PlayingStyle style);

// Writes the names and the style into the record, texts exactly as typed.
void Accept(MatchRecord& record, PlayingStyle style, const std::string& one,
            const std::string& player1, const std::string& player2);

} // namespace zorvane
