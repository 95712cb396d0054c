// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// A round as the screen-reader tests expect to hear it.

#include "board/Lines.h"
#include "match/Flags.h"
#include "match/MatchRecord.h"

#include <QString>
#include <QStringList>

#include <array>

inline constexpr std::array<std::array<int, 3>, 8> Lines{
    {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6}, {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {2, 4, 6}}};

inline QString PlayerName(const zorvane::MatchRecord& record, QChar mark)
{
    return QString::fromStdString(mark == 'O' ? record.PlayerOneName : record.PlayerTwoName);
}

// The round as the test expects it, one character per cell: '.', 'O' or 'X'.
struct Round {
    QString Marks = QStringLiteral(".........");

    [[nodiscard]] int WinningLine() const
    {
        for (std::size_t i = 0; i < Lines.size(); ++i) {
            const QChar first = Marks[Lines[i][0]];
            if (first != '.' && Marks[Lines[i][1]] == first && Marks[Lines[i][2]] == first) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    [[nodiscard]] QChar Winner() const
    {
        const int line = WinningLine();
        return line < 0 ? QChar('.') : Marks[Lines[static_cast<std::size_t>(line)][0]];
    }
    [[nodiscard]] QChar Next() const { return Marks.count('O') > Marks.count('X') ? 'X' : 'O'; }
    [[nodiscard]] bool Over() const { return Winner() != '.' || !Marks.contains('.'); }
    [[nodiscard]] QString Name(int cell) const
    {
        const QChar mark = Marks[cell];
        return QLatin1String(zorvane::CellPlaces[static_cast<std::size_t>(cell)]) +
               (mark == '.' ? QStringLiteral(", empty") : QStringLiteral(", ") + mark);
    }
    // What is read as the mark on the cell is placed: the line it completed and who took the
    // round, or whose turn it is now in two-player mode.
    [[nodiscard]] QString News(int cell, const zorvane::MatchRecord& record) const
    {
        if (const int line = WinningLine(); line >= 0) {
            return Name(cell) +
                   ". Winning line: " + zorvane::LineTable[static_cast<std::size_t>(line)].Spoken +
                   ". " + PlayerName(record, Winner()) + " takes the round.";
        }
        return Name(cell) + (Over() || record.OnePlayerMode != zorvane::FlagFalse
                                 ? QString()
                                 : ". " + Turn(record));
    }
    // The board's description.
    [[nodiscard]] QString Summary(const zorvane::MatchRecord& record) const
    {
        const QString round = QStringLiteral("Round %1 of 5.").arg(record.RoundIndex + 1);
        return round + (Over() ? QString() : ' ' + Turn(record) + '.');
    }
    [[nodiscard]] QString Turn(const zorvane::MatchRecord& record) const
    {
        return PlayerName(record, Next()) + " (" + Next() + ") to move";
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
