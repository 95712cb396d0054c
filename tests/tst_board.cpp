// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "RulesDriver.h"

#include "board/BoardState.h"
#include "board/Round.h"
#include "match/Flags.h"

#include <QTest>

using namespace zorvane;

class BoardTest : public QObject {
    Q_OBJECT

  private slots:
    void pointerBandsHaveTheirEdges_data();
    void pointerBandsHaveTheirEdges();
    void beforeAnyPointerMoveAClickActsOnCellZero();
    void clickOffTheGridOrOnATakenCellChangesNothing_data();
    void clickOffTheGridOrOnATakenCellChangesNothing();
    void twoPlayersAlternateStartingWithO();
    void completedLineShowsItsOverlayAndScores_data();
    void completedLineShowsItsOverlayAndScores();
    void oneMarkCompletingTwoLinesShowsTheFirstInTableOrder_data();
    void oneMarkCompletingTwoLinesShowsTheFirstInTableOrder();
    void ninthMarkCompletingALineIsAWin();
    void ninthMarkWithoutALineIsADraw();
    void marksOneToEightWithoutALineScoreNothing();
    void clicksAfterALineScoreNothing();
    void resultRefusedWhenTheMatchIsFull();
};

void BoardTest::pointerBandsHaveTheirEdges_data()
{
    QTest::addColumn<float>("coordinate");
    QTest::addColumn<int>("band");
    QTest::newRow("0") << 0.0f << -1;
    QTest::newRow("19") << 19.0f << -1;
    QTest::newRow("19.6 is still left of the grid") << 19.6f << -1;
    QTest::newRow("20") << 20.0f << 0;
    QTest::newRow("104") << 104.0f << 0;
    QTest::newRow("104.5 rounds to even 104") << 104.5f << 0;
    QTest::newRow("104.6") << 104.6f << 1;
    QTest::newRow("105") << 105.0f << 1;
    QTest::newRow("189") << 189.0f << 1;
    QTest::newRow("189.5 rounds to even 170 offset") << 189.5f << 2;
    QTest::newRow("190") << 190.0f << 2;
    QTest::newRow("274") << 274.0f << 2;
    QTest::newRow("274.5 rounds to even 254 offset") << 274.5f << 2;
    QTest::newRow("275") << 275.0f << 3;
    QTest::newRow("300") << 300.0f << 3;
    QTest::newRow("outside right") << 460.0f << 5;
    QTest::newRow("outside left") << -200.0f << -1;
}

void BoardTest::pointerBandsHaveTheirEdges()
{
    QFETCH(float, coordinate);
    QFETCH(int, band);
    BoardState board;
    MovePointer(board, coordinate, 150.0f);
    QCOMPARE(board.HoverColumn, band);
    QCOMPARE(board.HoverRow, 1);
    MovePointer(board, 150.0f, coordinate);
    QCOMPARE(board.HoverRow, band);
    QCOMPARE(board.HoverColumn, 1);
}

void BoardTest::beforeAnyPointerMoveAClickActsOnCellZero()
{
    RulesDriver game;
    game.Click();
    QCOMPARE(game.board.Marks[0], Mark::O);
}

void BoardTest::clickOffTheGridOrOnATakenCellChangesNothing_data()
{
    QTest::addColumn<bool>("onePlayer");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    const auto across = [](int cell) { return static_cast<float>(geometry::CellCentre(cell).X); };
    const auto down = [](int cell) { return static_cast<float>(geometry::CellCentre(cell).Y); };
    for (const bool onePlayer : {false, true}) {
        const char* mode = onePlayer ? "one player" : "two players";
        QTest::addRow("%s, left of the grid", mode) << onePlayer << 10.0f << 150.0f;
        QTest::addRow("%s, above the grid", mode) << onePlayer << 150.0f << 5.0f;
        QTest::addRow("%s, column 3", mode) << onePlayer << 280.0f << 150.0f;
        QTest::addRow("%s, row 3", mode) << onePlayer << 150.0f << 285.0f;
        QTest::addRow("%s, cell taken by O", mode) << onePlayer << across(4) << down(4);
    }
    QTest::newRow("one player, cell taken by X") << true << across(0) << down(0);
}

void BoardTest::clickOffTheGridOrOnATakenCellChangesNothing()
{
    QFETCH(bool, onePlayer);
    QFETCH(float, x);
    QFETCH(float, y);
    RulesDriver game(onePlayer);
    game.random.Draws = {DrawFor(0)};
    game.Play({4}); // O on 4, and with one player X on 0
    const RulesDriver before = game;
    game.Point(x, y);
    game.Click();
    QCOMPARE(game.board.Marks, before.board.Marks);
    QCOMPARE(game.board.Turn, before.board.Turn);
    QCOMPARE(game.board.FilledCount, before.board.FilledCount);
    QCOMPARE(game.board.MoveCount, before.board.MoveCount);
    QCOMPARE(game.board.RoundOutcome, before.board.RoundOutcome);
    QCOMPARE(game.record.RoundIndex, before.record.RoundIndex);
    QCOMPARE(game.host.Log, before.host.Log);
}

void BoardTest::twoPlayersAlternateStartingWithO()
{
    RulesDriver game;
    game.Play({4, 0, 8});
    QCOMPARE(game.board.Marks, MarksFrom("X...O...O"));
    QCOMPARE(game.board.Turn, std::int16_t{1});
    QCOMPARE(game.board.CellFree[4], FlagFalse);
    QCOMPARE(game.board.CellFree[1], FlagTrue);
    QCOMPARE(game.board.CellTaken, (std::array<std::int16_t, 9>{}));
    QCOMPARE(game.board.MoveCount, std::int16_t{0});
    QVERIFY(game.host.Log.empty());
}

void BoardTest::completedLineShowsItsOverlayAndScores_data()
{
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<int>("overlay");
    QTest::addColumn<int>("pointsOne");
    // O takes the line's cells, X answers in cells off the line.
    QTest::newRow("O row 0") << QList<int>{0, 3, 1, 4, 2} << int(Overlay::l1) << 1;
    QTest::newRow("O row 1") << QList<int>{3, 0, 4, 1, 5} << int(Overlay::l2) << 1;
    QTest::newRow("O row 2") << QList<int>{6, 0, 7, 1, 8} << int(Overlay::l3) << 1;
    QTest::newRow("O column 0") << QList<int>{0, 1, 3, 2, 6} << int(Overlay::l4) << 1;
    QTest::newRow("O column 1") << QList<int>{1, 0, 4, 2, 7} << int(Overlay::l5) << 1;
    QTest::newRow("O column 2") << QList<int>{2, 0, 5, 1, 8} << int(Overlay::l6) << 1;
    QTest::newRow("O diagonal TL") << QList<int>{0, 1, 4, 2, 8} << int(Overlay::lL) << 1;
    QTest::newRow("O diagonal TR") << QList<int>{2, 0, 4, 1, 6} << int(Overlay::lR) << 1;
    QTest::newRow("X diagonal TR") << QList<int>{0, 2, 1, 4, 8, 6} << int(Overlay::lR) << 0;
    QTest::newRow("X row 2") << QList<int>{0, 6, 1, 7, 3, 8} << int(Overlay::l3) << 0;
}

void BoardTest::completedLineShowsItsOverlayAndScores()
{
    QFETCH(QList<int>, moves);
    QFETCH(int, overlay);
    QFETCH(int, pointsOne);
    for (int round = 0; round < 5; ++round) {
        RulesDriver game;
        QVERIFY(game.RecordDraws(round));
        for (qsizetype i = 0; i < moves.size(); ++i) {
            QCOMPARE(game.board.RoundOutcome, OutcomeInPlay);
            game.Play({moves[i]});
        }
        QCOMPARE(game.board.RoundOutcome, OutcomeLine);
        QCOMPARE(game.board.ShownOverlayCount(), 1);
        QVERIFY(game.board.Shows(static_cast<Overlay>(overlay)));
        const auto slot = static_cast<std::size_t>(round);
        QCOMPARE(game.record.RoundScoreOne[slot], pointsOne);
        QCOMPARE(game.record.RoundScoreTwo[slot], 1 - pointsOne);
        QCOMPARE(game.record.RoundIndex, round + 1);
        QCOMPARE(game.board.CellFree, (std::array<std::int16_t, 9>{}));
        QCOMPARE(game.board.FilledCount, std::int16_t{0});
    }
}

void BoardTest::oneMarkCompletingTwoLinesShowsTheFirstInTableOrder_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<int>("overlay");
    QTest::newRow("row 0 before column 0") << ".OOO..OXX" << int(Overlay::l1);
    QTest::newRow("column 0 before diagonal") << ".X.OO.OXO" << int(Overlay::l4);
    QTest::newRow("row 1 before column 1") << "XOX.OO.OX" << int(Overlay::l2);
}

void BoardTest::oneMarkCompletingTwoLinesShowsTheFirstInTableOrder()
{
    QFETCH(QString, position);
    QFETCH(int, overlay);
    RulesDriver game;
    game.board.Marks = MarksFrom(position.toLatin1().constData());
    // The mark lands on the first empty cell.
    game.board.Marks[static_cast<std::size_t>(position.indexOf('.'))] = Mark::O;
    QCOMPARE(Results(game.board, game.record), OutcomeLine);
    QCOMPARE(game.board.ShownOverlayCount(), 1);
    QVERIFY(game.board.Shows(static_cast<Overlay>(overlay)));
    QCOMPARE(game.record.RoundIndex, 1);
    QCOMPARE(game.record.RoundScoreOne[0], 1);
}

void BoardTest::ninthMarkCompletingALineIsAWin()
{
    RulesDriver game;
    game.Play({1, 0, 3, 2, 4, 5, 8, 6});
    QCOMPARE(game.board.RoundOutcome, OutcomeInPlay);
    QCOMPARE(game.board.FilledCount, std::int16_t{8});
    game.Play({7});
    QCOMPARE(game.board.Marks, MarksFrom("XOXOOXXOO"));
    QCOMPARE(game.board.RoundOutcome, OutcomeLine);
    QVERIFY(game.board.Shows(Overlay::l5));
    QCOMPARE(game.record.RoundScoreOne[0], 1);
    QCOMPARE(game.record.RoundScoreTwo[0], 0);
    QCOMPARE(game.board.FilledCount, std::int16_t{0});
}

void BoardTest::ninthMarkWithoutALineIsADraw()
{
    RulesDriver game;
    game.Play({0, 1, 2, 4, 3, 5, 7, 6, 8});
    QCOMPARE(game.board.RoundOutcome, OutcomeFull);
    QCOMPARE(game.board.ShownOverlayCount(), 0);
    QCOMPARE(game.record.RoundIndex, 1);
    QCOMPARE(game.record.RoundScoreOne[0], 0);
    QCOMPARE(game.record.RoundScoreTwo[0], 0);
    QCOMPARE(game.board.FilledCount, std::int16_t{9});
}

void BoardTest::marksOneToEightWithoutALineScoreNothing()
{
    RulesDriver game;
    for (const int cell : {0, 1, 2, 4, 3, 5, 7, 6}) {
        game.Play({cell});
        QCOMPARE(game.board.RoundOutcome, OutcomeInPlay);
        QCOMPARE(game.record.RoundIndex, 0);
    }
    QCOMPARE(game.board.FilledCount, std::int16_t{8});
}

void BoardTest::clicksAfterALineScoreNothing()
{
    RulesDriver game;
    game.Play({0, 3, 1, 4, 2});
    const RulesDriver before = game;
    game.Play({5, 6, 7, 8});
    QCOMPARE(game.record.RoundIndex, before.record.RoundIndex);
    QCOMPARE(game.record.RoundScoreOne, before.record.RoundScoreOne);
    QCOMPARE(game.board.Marks, before.board.Marks);
}

void BoardTest::resultRefusedWhenTheMatchIsFull()
{
    RulesDriver game;
    QVERIFY(game.RecordDraws(5));
    game.Play({0, 3, 1, 4});
    const BoardState before = game.board;
    game.Play({2});
    // The overlay is already shown; nothing else moves.
    QVERIFY(game.board.Shows(Overlay::l1));
    QCOMPARE(game.record.RoundIndex, 5);
    QCOMPARE(game.record.RoundScoreOne, (std::array<std::int32_t, 5>{}));
    QCOMPARE(game.board.FilledCount, before.FilledCount);
    QCOMPARE(game.board.RoundOutcome, before.RoundOutcome);
    QCOMPARE(game.board.CellFree[5], FlagTrue);
    QVERIFY_THROWS_EXCEPTION(ResultRefused, Results(game.board, game.record));

    RulesDriver draw;
    QVERIFY(draw.RecordDraws(5));
    draw.Play({0, 1, 2, 4, 3, 5, 7, 6, 8});
    QCOMPARE(draw.board.FilledCount, std::int16_t{8});
    QCOMPARE(draw.board.RoundOutcome, OutcomeInPlay);

    // The computer's line, refused in the middle of its move: the hourglass still goes.
    RulesDriver computer(true);
    QVERIFY(computer.RecordDraws(5));
    computer.random.Draws = {DrawFor(0), DrawFor(1)};
    computer.Play({4, 8, 6});
    QCOMPARE(computer.host.Log.back(), std::string("normal XXX.O.O.O"));
    QCOMPARE(computer.record.RoundIndex, 5);
}

QTEST_APPLESS_MAIN(BoardTest)
#include "tst_board.moc"
