// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "Doubles.h"
#include "Find.h"

#include "board/BoardGeometry.h"
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
    explicit BoardDriver(zorvane::RandomSource& random, frmKelto::PauseFunction pause = {})
        : board(
              record, random, [this] { ++endCalls; }, std::move(pause)),
          client(Find(&board, "Client"))
    {
    }
    BoardDriver() : BoardDriver(OwnRandom) {}

    template <typename Control = QWidget> Control* Get(const QString& name) const
    {
        return Find<Control>(&board, name);
    }
    [[nodiscard]] frmMain* Setup() const { return Find<frmMain>(&board, {}); }

    // Answers the next showing of the setup dialog once its modal loop runs.
    void AnswerSetup(bool onePlayer, QString one = "Player1", QString two = "Player2")
    {
        QTimer::singleShot(0, &board, [this, onePlayer, one, two] {
            const frmMain* setup = Setup();
            Find<QRadioButton>(setup, onePlayer ? "optOne" : "optTwo")->click();
            Find<TextBox>(setup, onePlayer ? "txtOne" : "txtPlayer1")->setText(one);
            Find<TextBox>(setup, "txtPlayer2")->setText(two);
            Find<QPushButton>(setup, "cmdOK")->click();
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
        return {zorvane::geometry::CellCentre(cell).X, zorvane::geometry::CellCentre(cell).Y};
    }

    void ClickAt(QPoint at)
    {
        // Qt drops a move to where the pointer already is, so come from elsewhere.
        QTest::mouseMove(client, at == QPoint(0, 0) ? QPoint(1, 1) : QPoint(0, 0));
        QTest::mouseMove(client, at);
        QTest::mouseClick(client, Qt::LeftButton, {}, at);
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
    QWidget* client;
};
