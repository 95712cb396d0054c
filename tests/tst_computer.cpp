// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "RulesDriver.h"

#include "board/Computer.h"
#include "board/Round.h"
#include "match/Flags.h"

#include <QTest>

#include <set>

using namespace zorvane;

namespace {

int Choose(const char* pattern, std::deque<float> draws)
{
    RulesDriver game = RulesDriver::OnePlayerAt(pattern);
    game.random.Draws = std::move(draws);
    ChooseComputerCell(game.board, game.random);
    return game.board.ChosenCell;
}

} // namespace

class ComputerTest : public QObject {
    Q_OBJECT

  private slots:
    void tableTakesTheEarliestTestThatHolds_data();
    void tableTakesTheEarliestTestThatHolds();
    void withoutAMatchTheDrawDecides();
    void drawOnATakenCellIsRetriedAfterAReseed();
    void drawNeverYieldsCellEightAndIsUniform();
    void firstAnswerOfARoundIsARandomOpenCell();
    void clockRandomDrawsDifferWithinOneClockTick();
    void humanOIsDrawnBeforeThePauseAndXAfterIt();
    void noComputerMoveAfterAHumanLine();
    void humanFifthMarkEndsTheRoundWithoutAnX();
    void computerLineLocksTheBoardWithTurnZero();
    void clicksWhileTurnIsOneDoNothing();
};

void ComputerTest::tableTakesTheEarliestTestThatHolds_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<int>("expected");
    QTest::newRow("win (test 1) before block (test 28)") << "XX.OO...." << 2;
    QTest::newRow("test 1 before test 14") << "XX.....X." << 2;
    QTest::newRow("test 19 takes cell 8") << "X.O.X.O.." << 8;
    QTest::newRow("test 45 blocks at 0") << ".X..O...O" << 0;
    QTest::newRow("test 25 before the threat at 6") << "OO.O.X..." << 2;
    QTest::newRow("within a line: last before middle") << "X.X.X...." << 1;
    QTest::newRow("rows before columns") << "XX.X....." << 2;
    QTest::newRow("target must be open") << "XXOX....." << 6;
    QTest::newRow("test 7 takes cell 8") << "O..O..XX." << 8;
    QTest::newRow("test 40 blocks at 8") << "..O..O.X." << 8;
}

void ComputerTest::tableTakesTheEarliestTestThatHolds()
{
    QFETCH(QString, position);
    QFETCH(int, expected);
    // The draw is ignored whenever a test holds, whichever cell it names.
    for (int drawn = 0; drawn < 8; ++drawn) {
        QCOMPARE(Choose(position.toLatin1().constData(), {DrawFor(drawn)}), expected);
    }
}

void ComputerTest::withoutAMatchTheDrawDecides()
{
    QCOMPARE(Choose("O........", {DrawFor(5)}), 5);
    QCOMPARE(Choose("....O....", {DrawFor(0)}), 0);
    // Only 8 and one other cell open, no test holding: the other cell, whatever the draws.
    QCOMPARE(Choose("OXOO.XXO.", {DrawFor(0), DrawFor(7), DrawFor(4)}), 4);
}

void ComputerTest::drawOnATakenCellIsRetriedAfterAReseed()
{
    RulesDriver game = RulesDriver::OnePlayerAt("OX.X.....");
    game.random.Draws = {DrawFor(0), DrawFor(1), DrawFor(3), DrawFor(6)};
    ChooseComputerCell(game.board, game.random);
    QCOMPARE(game.board.ChosenCell, std::int16_t{6});
    QCOMPARE(game.random.DrawCount, 4);
    QCOMPARE(game.random.Reseeds, 4);
}

void ComputerTest::drawNeverYieldsCellEightAndIsUniform()
{
    // Every float on the 2^-24 grid maps to 0..7, each value on an eighth of the grid.
    std::array<std::uint32_t, 9> hits{};
    for (std::uint32_t step = 0; step < (1u << 24); step += 97) {
        ++hits[static_cast<std::size_t>(
            Choose("........O", {static_cast<float>(step) * 0x1p-24f}))];
    }
    QCOMPARE(hits[8], 0u);
    const std::uint32_t expected = hits[0];
    for (const std::size_t cell : {1, 2, 3, 4, 5, 6, 7}) {
        QVERIFY2(hits[cell] + 1 >= expected && hits[cell] <= expected + 1,
                 qPrintable(
                     QStringLiteral("cell %1: %2 vs %3").arg(cell).arg(hits[cell]).arg(expected)));
    }
    // The largest draw below 1 still lands on 7.
    QCOMPARE(Choose(".........", {0x1.fffffep-1f}), 7);
    // Cells 4, 5 and 8 open, no test holding: the draws skip the taken cells, never reach 8.
    QCOMPARE(Choose("OXOO..XO.", {DrawFor(0), DrawFor(1), DrawFor(3), DrawFor(5)}), 5);
}

void ComputerTest::firstAnswerOfARoundIsARandomOpenCell()
{
    for (int human = 0; human < 9; ++human) {
        std::set<int> answers;
        for (int drawn = 0; drawn < 8; ++drawn) {
            char pattern[] = ".........";
            pattern[human] = 'O';
            answers.insert(Choose(
                pattern, {DrawFor(drawn), DrawFor((drawn + 1) % 8), DrawFor((drawn + 2) % 8)}));
        }
        std::set<int> expected{0, 1, 2, 3, 4, 5, 6, 7};
        expected.erase(human);
        QCOMPARE(answers, expected);
    }
}

void ComputerTest::clockRandomDrawsDifferWithinOneClockTick()
{
    ClockRandom random;
    std::set<float> draws;
    for (int i = 0; i < 1000; ++i) {
        random.Reseed();
        const float r = random.Draw();
        QVERIFY(r >= 0.0f && r < 1.0f);
        draws.insert(r);
    }
    // Reseeding from the clock alone would repeat whole runs of draws.
    QVERIFY2(draws.size() > 990, qPrintable(QString::number(draws.size())));
}

void ComputerTest::humanOIsDrawnBeforeThePauseAndXAfterIt()
{
    RulesDriver game(true);
    game.random.Draws = {DrawFor(2)};
    game.Play({4});
    const std::vector<std::string> expected{"repaint ....O....", "wait ....O....",
                                            "pause200 ....O....", "normal ..X.O...."};
    QCOMPARE(game.host.Log, expected);
    QCOMPARE(game.board.Turn, std::int16_t{0});
    QCOMPARE(game.board.MoveCount, std::int16_t{2});
    QCOMPARE(game.board.CellTaken[2], FlagTrue);
    QCOMPARE(game.board.CellFree[2], FlagFalse);
}

void ComputerTest::noComputerMoveAfterAHumanLine()
{
    RulesDriver game(true);
    // O 4, X 1 by draw; O 0, X blocks 8; O 6 forks, X blocks 3; O 2 completes the diagonal.
    game.random.Draws = {DrawFor(1)};
    game.Play({4, 0, 6});
    game.host.Log.clear();
    game.Play({2});
    QCOMPARE(game.board.RoundOutcome, OutcomeLine);
    QVERIFY(game.board.Shows(Overlay::lR));
    QCOMPARE(game.board.MoveCount, std::int16_t{9});
    QCOMPARE(game.board.Turn, std::int16_t{1});
    QVERIFY(game.host.Log.empty());
    QCOMPARE(std::count(game.board.Marks.begin(), game.board.Marks.end(), Mark::X), 3);
}

void ComputerTest::humanFifthMarkEndsTheRoundWithoutAnX()
{
    RulesDriver game(true);
    // O 4, X 0 by draw; O 2, X 6 blocks; O 3, X 5 blocks; O 7, X 1 blocks; O takes the last.
    game.random.Draws = {DrawFor(0)};
    game.Play({4, 2, 3, 7});
    QCOMPARE(game.board.MoveCount, std::int16_t{8});
    const int open =
        static_cast<int>(std::find(game.board.Marks.begin(), game.board.Marks.end(), Mark::None) -
                         game.board.Marks.begin());
    game.host.Log.clear();
    game.Play({open});
    QCOMPARE(game.board.MoveCount, std::int16_t{9});
    QVERIFY(game.host.Log.empty());
    QCOMPARE(game.board.Turn, std::int16_t{1});
    QVERIFY(game.board.RoundOutcome != OutcomeInPlay);
}

void ComputerTest::computerLineLocksTheBoardWithTurnZero()
{
    RulesDriver game(true);
    game.random.Draws = {DrawFor(0), DrawFor(1)};
    game.Play({4}); // X answers on 0 by draw
    game.Play({8}); // O on 4 and 8 would be blocked at 0, taken: X on 1 by draw
    game.Play({6}); // X on 0 and 1 wins at 2 (test 1) rather than block at 2 (test 46)
    QCOMPARE(game.board.Marks[2], Mark::X);
    QCOMPARE(game.board.RoundOutcome, OutcomeLine);
    QVERIFY(game.board.Shows(Overlay::l1));
    QCOMPARE(game.board.Turn, std::int16_t{0});
    QCOMPARE(game.record.RoundScoreTwo[0], 1);
    const auto marks = game.board.Marks;
    game.Play({5});
    QCOMPARE(game.board.Marks, marks);
}

void ComputerTest::clicksWhileTurnIsOneDoNothing()
{
    RulesDriver game(true);
    game.board.Turn = 1; // as during the computer's pause
    game.Play({4});
    QCOMPARE(game.board.Marks[4], Mark::None);
    QVERIFY(game.host.Log.empty());
}

QTEST_APPLESS_MAIN(ComputerTest)
#include "tst_computer.moc"
