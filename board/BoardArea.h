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
// click on its centre; the mark pictures are not read besides them. In two-player mode its
// description says whose turn it is.
class BoardArea final : public QWidget {
    Q_OBJECT

  public:
    BoardArea(const zorvane::BoardState& state, const zorvane::MatchRecord& record,
              QWidget* parent);

    // "top left, empty", "top left, O".
    [[nodiscard]] QString CellName(int cell) const;
    // "Ann (O) to move" while a two-player round is in play; empty otherwise.
    [[nodiscard]] QString TurnText() const;
    // Tells a screen reader of the cells and the turn that changed since the last call.
    void Refresh();
    // A left click at the centre of the cell, through the same event filters and handlers as
    // one made with the mouse, so that it is dropped wherever theirs would be.
    void ClickCell(int cell);

  private:
    const zorvane::BoardState& State;
    const zorvane::MatchRecord& Record;
    std::array<zorvane::Mark, 9> Told{};
    QString ToldTurn;
};
