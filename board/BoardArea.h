// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "board/BoardState.h"
#include "match/MatchRecord.h"

#include <QString>
#include <QWidget>

#include <array>

// The board window's client area. To a screen reader it holds the nine cells, in reading
// order, as buttons named by their place and what is on them, each with the one action of a
// click on its centre; the mark pictures are not read besides them. After them come the news
// of the moves (NewsText), which a screen reader reads as they take the focus; a cleared board
// takes the focus itself. No key is taken for any of it.
class BoardArea final : public QWidget {
    Q_OBJECT

  public:
    BoardArea(const zorvane::BoardState& state, const zorvane::MatchRecord& record,
              QWidget* parent);

    // "top left, empty", "top left, O".
    [[nodiscard]] QString CellName(int cell) const;
    // "Ann (O) to move" while a two-player round is in play; empty otherwise.
    [[nodiscard]] QString TurnText() const;
    // The round and whose turn it is, or the verdict: "Round 2 of 5. Ann (O) to move."
    [[nodiscard]] QString Summary() const;
    // The news of the last two moves, in turn: "top left, O, then centre, X. Winning line:
    // centre column. Computer takes the round." Empty once the board clears.
    static constexpr int NewsSlots = 2;
    [[nodiscard]] QString NewsText(int slot) const
    {
        return NewsTexts[static_cast<std::size_t>(slot)];
    }
    // Which has the accessible focus: a slot of news, the board itself, or neither.
    static constexpr int BoardFocus = -1;
    [[nodiscard]] int Focused() const { return FocusSlot; }
    // Tells a screen reader of the cells and the summary that changed since the last call.
    void Refresh();
    // A left click at the centre of the cell, through the same event filters and handlers as
    // one made with the mouse, so that it is dropped wherever theirs would be.
    void ClickCell(int cell);

  private:
    // "Ann (O) to move" while a round is in play, in either mode.
    [[nodiscard]] QString Mover() const;
    // "Winning line: top row. Ann takes the round." while the cell is on the line shown.
    [[nodiscard]] QString LineText(int cell) const;

    const zorvane::BoardState& State;
    const zorvane::MatchRecord& Record;
    std::array<zorvane::Mark, 9> Told{};
    QString ToldSummary;
    int FocusSlot = -2;
    std::array<QString, NewsSlots> NewsTexts;
    // The player's mark not told yet: the computer's answer is awaited.
    int Unsaid = -1;
};
