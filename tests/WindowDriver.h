// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "Doubles.h"

#include "board/frmKelto.h"
#include "setup/TextBox.h"
#include "setup/frmMain.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

// A board window as the program makes it, with the setup dialog answered by the test.
struct BoardDriver {
    // Draws from `random`, or from an unscripted source of its own.
    explicit BoardDriver(zorvane::RandomSource& random)
        : board(record, random, [this] { ++endCalls; })
    {
    }
    BoardDriver() : BoardDriver(OwnRandom) {}

    // Answers the next showing of the setup dialog once its modal loop runs.
    void AnswerSetup(bool onePlayer, QString one = "Player1", QString two = "Player2")
    {
        QTimer::singleShot(0, &board, [this, onePlayer, one, two] {
            frmMain* setup = board.SetupDialog();
            (onePlayer ? setup->optOne : setup->optTwo)->click();
            (onePlayer ? setup->txtOne : setup->txtPlayer1)->setText(one);
            setup->txtPlayer2->setText(two);
            setup->cmdOK->click();
        });
    }

    bool Start(bool onePlayer, QString one = "Player1", QString two = "Player2")
    {
        AnswerSetup(onePlayer, std::move(one), std::move(two));
        if (!board.Form_Load()) {
            return false;
        }
        board.show();
        board.Form_Activate();
        return QTest::qWaitForWindowExposed(&board);
    }

    static QPoint CellCentre(int cell)
    {
        const auto [x, y] = zorvane::geometry::CellCentre(cell);
        return {x, y};
    }

    void ClickAt(QPoint at)
    {
        // Qt drops a move to where the pointer already is, so come from elsewhere.
        QTest::mouseMove(board.ClientArea(), at == QPoint(0, 0) ? QPoint(1, 1) : QPoint(0, 0));
        QTest::mouseMove(board.ClientArea(), at);
        QTest::mouseClick(board.ClientArea(), Qt::LeftButton, {}, at);
    }
    void ClickCells(std::initializer_list<int> cells)
    {
        for (const int cell : cells) {
            ClickAt(CellCentre(cell));
        }
    }
    // The watcher runs on the event loop; the announcement's ticks are driven directly.
    void FinishAnnouncement(int ticks = zorvane::AnnouncementTicks)
    {
        QCoreApplication::processEvents();
        for (int i = 0; i < ticks; ++i) {
            board.Timer1_Timer();
        }
    }

    // Five rounds with the same moves, each announced, up to the verdict.
    void PlayMatch(std::initializer_list<int> cells)
    {
        for (int round = 0; round < 5; ++round) {
            ClickCells(cells);
            FinishAnnouncement(round < 4 ? zorvane::AnnouncementTicks : 1);
        }
    }

    ScriptedRandom OwnRandom;
    zorvane::MatchRecord record;
    int endCalls = 0;
    int dialogsAnswered = 0;
    frmKelto board;
};
