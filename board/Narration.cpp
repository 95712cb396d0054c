// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "board/Narration.h"

#include "match/Flags.h"

#include <algorithm>

namespace zorvane {

namespace {

const std::string& NameOf(const MatchRecord& record, Mark mark)
{
    return mark == Mark::O ? record.PlayerOneName : record.PlayerTwoName;
}

// Whose turn it is while a round is in play, in either mode; empty otherwise.
std::string Mover(const BoardState& board, const MatchRecord& record)
{
    if (board.VerdictShown || board.RoundOutcome != OutcomeInPlay) {
        return {};
    }
    const Mark next = board.Turn == 0 ? Mark::O : Mark::X;
    return MoverText(NameOf(record, next), next);
}

// The line shown through the cell, with who took the round; empty if none.
std::string LineThrough(const BoardState& board, const MatchRecord& record, int cell)
{
    for (const Line& line : LineTable) {
        if (board.Shows(line.Shows) &&
            std::find(line.Cells.begin(), line.Cells.end(), cell) != line.Cells.end()) {
            return LineText(line, NameOf(record, board.Marks[static_cast<std::size_t>(cell)]));
        }
    }
    return {};
}

// The news goes to the slot that does not have the focus, and takes it.
Telling Tell(Narration& narration, std::string news)
{
    const int slot = narration.FocusSlot == 0 ? 1 : 0;
    narration.News[static_cast<std::size_t>(slot)] = std::move(news);
    narration.FocusSlot = slot;
    return {Telling::Kind::NewsFocused, slot};
}

} // namespace

std::string CellName(int cell, Mark mark)
{
    const char* on = mark == Mark::O ? "O" : mark == Mark::X ? "X" : "empty";
    return std::string(CellPlaces[static_cast<std::size_t>(cell)]) + ", " + on;
}

std::string MoverText(const std::string& name, Mark mark)
{
    return name + (mark == Mark::O ? " (O) to move" : " (X) to move");
}

std::string LineText(const Line& line, const std::string& winner)
{
    return std::string("Winning line: ") + line.Spoken + ". " + winner + " takes the round.";
}

std::string RoundText(int round, const std::string& mover)
{
    return "Round " + std::to_string(round) + " of " + std::to_string(RoundsPerMatch) + "." +
           (mover.empty() ? std::string() : " " + mover + ".");
}

std::string Summary(const BoardState& board, const MatchRecord& record)
{
    if (board.VerdictShown) {
        return "Match over.";
    }
    const auto round =
        std::min(record.RoundIndex + (board.RoundOutcome == OutcomeInPlay), RoundsPerMatch);
    return RoundText(round, Mover(board, record));
}

std::string WindowDescription(const BoardState& board, const MatchRecord& record)
{
    return "Board under the menu bar, three rows of three cells. " + Summary(board, record);
}

std::vector<Telling> Narrate(Narration& narration, const BoardState& board,
                             const MatchRecord& record)
{
    std::vector<Telling> told;
    if (board.Marks == narration.Told && narration.Unsaid < 0) {
        return told;
    }
    const auto cells = narration.Told.size();
    bool cleared = false;
    for (std::size_t cell = 0; cell < cells; ++cell) {
        cleared =
            cleared || (narration.Told[cell] != Mark::None && board.Marks[cell] == Mark::None);
    }
    if (cleared) {
        narration.News = {};
        narration.Unsaid = -1;
        told.push_back(Tell(narration, Summary(board, record)));
    }
    // The player's new mark, and the computer's answer to it.
    const bool onePlayer = record.OnePlayerMode != FlagFalse;
    int answer = -1;
    for (std::size_t cell = 0; cell < cells; ++cell) {
        const Mark now = board.Marks[cell];
        if (now == narration.Told[cell]) {
            continue;
        }
        told.push_back({Telling::Kind::CellRenamed, static_cast<int>(cell)});
        if (now != Mark::None && narration.Told[cell] == Mark::None) {
            (onePlayer && now == Mark::X ? answer : narration.Unsaid) = static_cast<int>(cell);
        }
    }
    const bool awaitingAnswer = onePlayer && answer < 0 && board.RoundOutcome == OutcomeInPlay;
    if (narration.Unsaid >= 0 && !awaitingAnswer) {
        const auto nameOf = [&](int cell) {
            return CellName(cell, board.Marks[static_cast<std::size_t>(cell)]);
        };
        std::string news = nameOf(narration.Unsaid);
        if (answer >= 0) {
            news += ", then " + nameOf(answer);
        }
        const std::string line =
            LineThrough(board, record, answer >= 0 ? answer : narration.Unsaid);
        const std::string more = !line.empty() ? line
                                 : onePlayer   ? std::string()
                                               : Mover(board, record);
        if (!more.empty()) {
            news += ". " + more;
        }
        narration.Unsaid = -1;
        told.push_back(Tell(narration, std::move(news)));
    }
    narration.Told = board.Marks;
    return told;
}

} // namespace zorvane
