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
// of the moves and of a cleared board (NewsText), which a screen reader reads as they take the
// focus. No key is taken for any of it.
class BoardArea final : public QWidget {
    Q_OBJECT

  public:
    BoardArea(const zorvane::BoardState& state, const zorvane::MatchRecord& record,
              QWidget* parent);

    // "top left, empty", "top left, O".
    [[nodiscard]] QString CellName(int cell) const;
    // "Ann (O) to move" while a two-player round is in play; empty otherwise.
    [[nodiscard]] QString TurnText() const;
    // The round and whose turn it is, or that the match is over: "Round 2 of 5. Ann (O) to move."
    [[nodiscard]] QString Summary() const;
    // The news of the last two moves, in turn: "top left, O, then centre, X. Winning line:
    // centre column. Computer takes the round.", or of the board cleared: its Summary.
    static constexpr int NewsSlots = 2;
    [[nodiscard]] QString NewsText(int slot) const
    {
        return NewsTexts[static_cast<std::size_t>(slot)];
    }
    // Which slot of news has the accessible focus, or -1.
    [[nodiscard]] int Focused() const { return FocusSlot; }
    // Tells a screen reader of the cells that changed since the last call.
    void Refresh();
    // A left click at the centre of the cell, through the same event filters and handlers as
    // one made with the mouse, so that it is dropped wherever theirs would be.
    void ClickCell(int cell);

  private:
    // "Ann (O) to move" while a round is in play, in either mode.
    [[nodiscard]] QString Mover() const;
    // Gives a screen reader the news, and the focus to it.
    void Tell(const QString& news);
    // "Winning line: top row. Ann takes the round." while the cell is on the line shown.
    [[nodiscard]] QString LineText(int cell) const;

    const zorvane::BoardState& State;
    const zorvane::MatchRecord& Record;
    std::array<zorvane::Mark, 9> Told{};
    int FocusSlot = -1;
    std::array<QString, NewsSlots> NewsTexts;
    // The player's mark not told yet: the computer's answer is awaited.
    int Unsaid = -1;
};
