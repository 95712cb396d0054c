// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "board/BoardState.h"
#include "board/Narration.h"
#include "match/MatchRecord.h"

#include <QWidget>

// The board window's client area. To a screen reader it holds the nine cells, in reading
// order, as buttons named by their place and what is on them, each with the one action of a
// click; then the news of the moves and of a cleared board, which a screen reader reads as it
// takes the focus; then the area's other children, but for those read through the cells. What
// is said is the narration's; this only hands it to Qt's accessibility. No key is taken.
class BoardArea final : public QWidget {
    Q_OBJECT

  public:
    BoardArea(const zorvane::BoardState& state, const zorvane::MatchRecord& record,
              QWidget* parent);

    [[nodiscard]] const zorvane::BoardState& Board() const { return State; }
    [[nodiscard]] const zorvane::Narration& Told() const { return Narration; }
    // Children a screen reader reads through the cells, not on their own: the mark pictures.
    void ReadThroughCells(const QWidgetList& pictures) { ReadByCells = pictures; }
    [[nodiscard]] const QWidgetList& ReadThroughCells() const { return ReadByCells; }
    // Tells a screen reader what changed on the board since the last call.
    void Refresh();

  signals:
    // A screen reader's click on the cell.
    void CellActivated(int cell);

  private:
    const zorvane::BoardState& State;
    const zorvane::MatchRecord& Record;
    zorvane::Narration Narration;
    QWidgetList ReadByCells;
};
