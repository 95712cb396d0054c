// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "Doubles.h"

#include "board/Computer.h"
#include "board/Round.h"
#include "board/RoundFlow.h"
#include "match/Flags.h"

#include <QTest>

#include <map>
#include <set>

using namespace zorvane;

namespace {

// A one-player position: marks from a pattern, CellTaken and CellFree to match.
BoardState Position(const char* pattern)
{
    BoardState board;
    board.RoundOutcome = OutcomeInPlay;
    for (std::size_t i = 0; i < 9; ++i) {
        const Mark mark = pattern[i] == 'O' ? Mark::O : pattern[i] == 'X' ? Mark::X : Mark::None;
        board.Marks[i] = mark;
        board.CellTaken[i] = mark == Mark::None ? FlagFalse : FlagTrue;
        board.CellFree[i] = mark == Mark::None ? FlagTrue : FlagFalse;
    }
    return board;
}

int Choose(const char* pattern, std::deque<float> draws)
{
    BoardState board = Position(pattern);
    ScriptedRandom random(std::move(draws));
    ChooseComputerCell(board, random);
    return board.ChosenCell;
}

struct OnePlayerGame {
    OnePlayerGame()
    {
        record.AcceptSetup("Ann", "Computer", true);
        StartFirstMatch(board, record);
    }
    void ClickCell(int cell)
    {
        PointAtCell(board, cell);
        Click(board, record, host, random);
    }
    BoardState board;
    MatchRecord record;
    RecordingHost host{board};
    ScriptedRandom random;
};

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
    // Only 8 and one other cell open, no test holding: the other cell.
    // Only 8 and one other cell open, no test holding: the other cell, whatever the draws.
    QCOMPARE(Choose("OXOO.XXO.", {DrawFor(0), DrawFor(7), DrawFor(4)}), 4);
}

void ComputerTest::drawOnATakenCellIsRetriedAfterAReseed()
{
    BoardState board = Position("OX.X.....");
    ScriptedRandom random({DrawFor(0), DrawFor(1), DrawFor(3), DrawFor(6)});
    ChooseComputerCell(board, random);
    QCOMPARE(board.ChosenCell, std::int16_t{6});
    QCOMPARE(random.DrawCount, 4);
    QCOMPARE(random.Reseeds, 4);
}

void ComputerTest::drawNeverYieldsCellEightAndIsUniform()
{
    // Every float on the 2^-24 grid maps to 0..7, each value on an eighth of the grid.
    std::array<std::uint32_t, 9> hits{};
    for (std::uint32_t step = 0; step < (1u << 24); step += 97) {
        BoardState board = Position("........O");
        ScriptedRandom random({static_cast<float>(step) * 0x1p-24f});
        ChooseComputerCell(board, random);
        ++hits[static_cast<std::size_t>(board.ChosenCell)];
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
    OnePlayerGame game;
    game.random.Draws = {DrawFor(2)};
    game.ClickCell(4);
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
    OnePlayerGame game;
    // O 4, X 1 by draw; O 0, X blocks 8; O 6 forks, X blocks 3; O 2 completes the diagonal.
    game.random.Draws = {DrawFor(1)};
    for (const int cell : {4, 0, 6}) {
        game.ClickCell(cell);
    }
    game.host.Log.clear();
    game.ClickCell(2);
    QCOMPARE(game.board.RoundOutcome, OutcomeLine);
    QVERIFY(game.board.Shows(Overlay::lR));
    QCOMPARE(game.board.MoveCount, std::int16_t{9});
    QCOMPARE(game.board.Turn, std::int16_t{1});
    QVERIFY(game.host.Log.empty());
    QCOMPARE(std::count(game.board.Marks.begin(), game.board.Marks.end(), Mark::X), 3);
}

void ComputerTest::humanFifthMarkEndsTheRoundWithoutAnX()
{
    OnePlayerGame game;
    // O 4, X 0 by draw; O 2, X 6 blocks; O 3, X 5 blocks; O 7, X 1 blocks; O takes the last.
    game.random.Draws = {DrawFor(0)};
    for (const int cell : {4, 2, 3, 7}) {
        game.ClickCell(cell);
    }
    QCOMPARE(game.board.MoveCount, std::int16_t{8});
    const int open =
        static_cast<int>(std::find(game.board.Marks.begin(), game.board.Marks.end(), Mark::None) -
                         game.board.Marks.begin());
    game.host.Log.clear();
    game.ClickCell(open);
    QCOMPARE(game.board.MoveCount, std::int16_t{9});
    QVERIFY(game.host.Log.empty());
    QCOMPARE(game.board.Turn, std::int16_t{1});
    QVERIFY(game.board.RoundOutcome != OutcomeInPlay);
}

void ComputerTest::computerLineLocksTheBoardWithTurnZero()
{
    OnePlayerGame game;
    game.random.Draws = {DrawFor(0), DrawFor(1)};
    game.ClickCell(4); // X answers on 0 by draw
    game.ClickCell(8); // O on 4 and 8 would be blocked at 0, taken: X on 1 by draw
    game.ClickCell(6); // X on 0 and 1 wins at 2 (test 1) rather than block at 2 (test 46)
    QCOMPARE(game.board.Marks[2], Mark::X);
    QCOMPARE(game.board.RoundOutcome, OutcomeLine);
    QVERIFY(game.board.Shows(Overlay::l1));
    QCOMPARE(game.board.Turn, std::int16_t{0});
    QCOMPARE(game.record.RoundScoreTwo[0], 1);
    const auto marks = game.board.Marks;
    game.ClickCell(5);
    QCOMPARE(game.board.Marks, marks);
}

void ComputerTest::clicksWhileTurnIsOneDoNothing()
{
    OnePlayerGame game;
    game.board.Turn = 1;
    game.ClickCell(4);
    QCOMPARE(game.board.Marks[4], Mark::None);
    QVERIFY(game.host.Log.empty());
}

QTEST_APPLESS_MAIN(ComputerTest)
#include "tst_computer.moc"
