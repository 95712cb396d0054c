// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "setup/SetupChoice.h"

namespace zorvane {

NameBoxStates BoxStates(PlayingStyle style)
{
    constexpr NameBoxState on{true, SystemColour::EntryBackground};
    constexpr NameBoxState off{false, SystemColour::InactiveCaptionText};
    if (style == PlayingStyle::OnePlayer) {
        return {on, off, off, NameBox::One};
    }
    return {off, on, on, NameBox::Player1};
}

void Accept(MatchRecord& record, PlayingStyle style, const std::string& one,
            const std::string& player1, const std::string& player2)
{
    if (style == PlayingStyle::OnePlayer) {
        record.AcceptSetup(one, "Computer", true);
    } else {
        record.AcceptSetup(player1, player2, false);
    }
}

} // namespace zorvane
