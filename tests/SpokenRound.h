// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// A round as the screen-reader tests expect it: which line, whose turn and what is over are
// worked out here, the wording is the narration's.

#include "board/Lines.h"
#include "board/Narration.h"
#include "match/Flags.h"
#include "match/MatchRecord.h"

#include <QString>
#include <QStringList>

inline QString PlayerName(const zorvane::MatchRecord& record, QChar mark)
{
    return QString::fromStdString(mark == 'O' ? record.PlayerOneName : record.PlayerTwoName);
}

inline zorvane::Mark MarkOf(QChar mark)
{
    return mark == 'O' ? zorvane::Mark::O : mark == 'X' ? zorvane::Mark::X : zorvane::Mark::None;
}

// The round as the test expects it, one character per cell: '.', 'O' or 'X'.
struct Round {
    QString Marks = QStringLiteral(".........");

    [[nodiscard]] int WinningLine() const
    {
        for (std::size_t i = 0; i < zorvane::LineTable.size(); ++i) {
            const auto& cells = zorvane::LineTable[i].Cells;
            const QChar first = Marks[cells[0]];
            if (first != '.' && Marks[cells[1]] == first && Marks[cells[2]] == first) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    [[nodiscard]] QChar Winner() const
    {
        const int line = WinningLine();
        return line < 0 ? QChar('.')
                        : Marks[zorvane::LineTable[static_cast<std::size_t>(line)].Cells[0]];
    }
    [[nodiscard]] QChar Next() const { return Marks.count('O') > Marks.count('X') ? 'X' : 'O'; }
    [[nodiscard]] bool Over() const { return Winner() != '.' || !Marks.contains('.'); }
    [[nodiscard]] QString Name(int cell) const
    {
        return QString::fromStdString(zorvane::CellName(cell, MarkOf(Marks[cell])));
    }
    // What is read as the mark on the cell is placed: the line it completed and who took the
    // round, or whose turn it is now in two-player mode.
    [[nodiscard]] QString News(int cell, const zorvane::MatchRecord& record) const
    {
        if (const int line = WinningLine(); line >= 0) {
            return Name(cell) + ". " +
                   QString::fromStdString(
                       zorvane::LineText(zorvane::LineTable[static_cast<std::size_t>(line)],
                                         PlayerName(record, Winner()).toStdString()));
        }
        return Name(cell) + (Over() || record.OnePlayerMode != zorvane::FlagFalse
                                 ? QString()
                                 : ". " + Turn(record));
    }
    // The round and whose turn it is.
    [[nodiscard]] QString Summary(const zorvane::MatchRecord& record) const
    {
        return QString::fromStdString(zorvane::RoundText(
            record.RoundIndex + 1, Over() ? std::string() : Turn(record).toStdString()));
    }
    [[nodiscard]] QString Turn(const zorvane::MatchRecord& record) const
    {
        return QString::fromStdString(
            zorvane::MoverText(PlayerName(record, Next()).toStdString(), MarkOf(Next())));
    }
    [[nodiscard]] QString Names() const
    {
        QStringList names;
        for (int cell = 0; cell < 9; ++cell) {
            names << Name(cell);
        }
        return names.join('|');
    }
};
