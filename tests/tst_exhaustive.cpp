// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// Every game the rules allow, checked move by move against checks written independently here.
#include "RulesDriver.h"

#include "board/Round.h"
#include "board/RoundFlow.h"
#include "match/Flags.h"

#include <QTest>

#include <optional>
#include <vector>

using namespace zorvane;

namespace {

// The eight lines built from rows and columns, not copied from the program's table.
std::vector<std::array<int, 3>> IndependentLines()
{
    std::vector<std::array<int, 3>> lines;
    for (int row = 0; row < 3; ++row) {
        lines.push_back({row * 3, row * 3 + 1, row * 3 + 2});
    }
    for (int column = 0; column < 3; ++column) {
        lines.push_back({column, column + 3, column + 6});
    }
    lines.push_back({0, 4, 8});
    lines.push_back({2, 4, 6});
    return lines;
}

const std::vector<std::array<int, 3>> Lines = IndependentLines();

struct Completed {
    std::size_t Line;
    Mark By;
};

std::optional<Completed> FirstCompleted(const std::array<Mark, 9>& marks)
{
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        for (const Mark mark : {Mark::O, Mark::X}) {
            const auto [a, b, c] = Lines[i];
            if (marks[a] == mark && marks[b] == mark && marks[c] == mark) {
                return Completed{i, mark};
            }
        }
    }
    return std::nullopt;
}

// The computer's rule restated: own lines first, then the human's; per line the last cell,
// then the middle, then the first.
std::optional<int> TableTarget(const std::array<Mark, 9>& marks)
{
    for (const Mark mark : {Mark::X, Mark::O}) {
        for (const auto& line : Lines) {
            for (const int target : {line[2], line[1], line[0]}) {
                int own = 0;
                for (const int cell : line) {
                    own += cell != target && marks[cell] == mark;
                }
                if (own == 2 && marks[target] == Mark::None) {
                    return target;
                }
            }
        }
    }
    return std::nullopt;
}

int Count(const std::array<Mark, 9>& marks)
{
    return static_cast<int>(9 - std::count(marks.begin(), marks.end(), Mark::None));
}

struct Walk {
    long Games = 0;
    long Marks = 0;
    long IgnoredClicks = 0;
    long ComputerMoves = 0;
    long TableMoves = 0;
    QString Failure;

    void Fail(const QString& what)
    {
        if (Failure.isEmpty()) {
            Failure = what;
        }
    }

    // Checks a board after the mark on `cell` that the rules just placed.
    void CheckAfterMark(const BoardState& before, const BoardState& after,
                        const MatchRecord& record, const std::array<Mark, 9>& marks)
    {
        ++Marks;
        if (after.Marks != marks) {
            Fail("marks differ from the moves");
        }
        const auto line = FirstCompleted(marks);
        const int slot = before.RoundOutcome == OutcomeInPlay ? record.RoundIndex - 1 : -1;
        if (line) {
            if (after.RoundOutcome != OutcomeLine || after.ShownOverlayCount() != 1 ||
                !after.OverlayShown[line->Line] || after.FilledCount != 0 ||
                after.CellFree != std::array<std::int16_t, 9>{}) {
                Fail("a completed line was not scored as one");
            }
            const bool o = line->By == Mark::O;
            if (slot < 0 || record.RoundScoreOne[slot] != (o ? 1 : 0) ||
                record.RoundScoreTwo[slot] != (o ? 0 : 1)) {
                Fail("wrong points for a line");
            }
        } else if (Count(marks) == 9) {
            if (after.RoundOutcome != OutcomeFull || after.FilledCount != 9 ||
                after.ShownOverlayCount() != 0 || record.RoundScoreOne[slot] != 0 ||
                record.RoundScoreTwo[slot] != 0) {
                Fail("a full board was not scored as a draw");
            }
        } else if (after.RoundOutcome != OutcomeInPlay || after.FilledCount != Count(marks) ||
                   after.ShownOverlayCount() != 0) {
            Fail("a mark without a line changed the outcome");
        }
        if (!RecordHolds(record)) {
            Fail("the record's invariants broke");
        }
    }
};

void WalkTwoPlayers(Walk& walk, const RulesDriver& p)
{
    for (int cell = 0; cell < 9; ++cell) {
        RulesDriver next = p;
        next.Play({cell});
        if (p.board.Marks[cell] != Mark::None) {
            ++walk.IgnoredClicks;
            if (next.board.Marks != p.board.Marks || next.board.Turn != p.board.Turn ||
                next.board.FilledCount != p.board.FilledCount ||
                next.record.RoundIndex != p.record.RoundIndex) {
                walk.Fail("a click on a taken cell changed the board");
            }
            continue;
        }
        std::array<Mark, 9> marks = p.board.Marks;
        marks[cell] = p.board.Turn == 0 ? Mark::O : Mark::X;
        walk.CheckAfterMark(p.board, next.board, next.record, marks);
        if (next.board.RoundOutcome != OutcomeInPlay) {
            ++walk.Games;
            // Locked: no further click places a mark.
            for (int more = 0; more < 9; ++more) {
                RulesDriver locked = next;
                locked.Play({more});
                if (locked.board.Marks != next.board.Marks ||
                    locked.record.RoundIndex != next.record.RoundIndex) {
                    walk.Fail("a finished round took another mark");
                }
            }
            continue;
        }
        WalkTwoPlayers(walk, next);
    }
}

void WalkOnePlayer(Walk& walk, const RulesDriver& p)
{
    for (int human = 0; human < 9; ++human) {
        if (p.board.Marks[human] != Mark::None) {
            continue;
        }
        std::array<Mark, 9> afterHuman = p.board.Marks;
        afterHuman[human] = Mark::O;
        const bool roundEnds = FirstCompleted(afterHuman) || Count(afterHuman) == 9;
        // The computer's answers worth trying: the table's target, or every open cell of
        // 0..7 by draw (after one draw on a taken cell, when there is one, to force a retry).
        const std::optional<int> target = roundEnds ? std::nullopt : TableTarget(afterHuman);
        std::vector<std::pair<int, std::deque<float>>> answers;
        if (roundEnds) {
            answers.push_back({-1, {}});
        } else if (target) {
            answers.push_back({*target, {DrawFor(human % 8)}});
        } else {
            const auto taken = std::find_if(afterHuman.begin(), afterHuman.begin() + 8,
                                            [](Mark m) { return m != Mark::None; });
            for (int cell = 0; cell < 8; ++cell) {
                if (afterHuman[cell] != Mark::None) {
                    continue;
                }
                std::deque<float> draws{DrawFor(cell)};
                if (taken != afterHuman.begin() + 8) {
                    draws.push_front(DrawFor(static_cast<int>(taken - afterHuman.begin())));
                }
                answers.push_back({cell, draws});
            }
            if (answers.empty()) {
                walk.Fail("no open cell among 0..7 for the computer");
            }
        }
        for (const auto& [expected, draws] : answers) {
            RulesDriver next = p;
            next.random = ScriptedRandom(draws);
            next.random.Fallback = -1.0f;
            next.Play({human});
            const ScriptedRandom& random = next.random;
            if (roundEnds) {
                walk.CheckAfterMark(p.board, next.board, next.record, afterHuman);
                // MoveCount is forced to 9 on a line and is 9 anyway on a full board.
                if (next.board.Turn != 1 || next.board.MoveCount < 9 || random.DrawCount != 0) {
                    walk.Fail("the computer moved after the human ended the round");
                }
                ++walk.Games;
                continue;
            }
            ++walk.ComputerMoves;
            walk.TableMoves += target.has_value();
            std::array<Mark, 9> afterComputer = afterHuman;
            afterComputer[expected] = Mark::X;
            if (next.board.ChosenCell != expected || random.Unscripted || !random.Draws.empty() ||
                random.Reseeds != random.DrawCount) {
                walk.Fail(QStringLiteral("computer took %1, expected %2")
                              .arg(next.board.ChosenCell)
                              .arg(expected));
            }
            walk.CheckAfterMark(p.board, next.board, next.record, afterComputer);
            for (std::size_t i = 0; i < 9; ++i) {
                const bool taken = afterComputer[i] != Mark::None;
                if ((next.board.CellTaken[i] == FlagTrue) != taken) {
                    walk.Fail("CellTaken does not follow the marks");
                }
            }
            if (next.board.MoveCount != Count(afterComputer)) {
                walk.Fail("MoveCount does not count the marks");
            }
            if (next.board.RoundOutcome != OutcomeInPlay) {
                ++walk.Games;
                if (next.board.Turn != 0) {
                    walk.Fail("the turn did not come back after the computer's line");
                }
                continue;
            }
            WalkOnePlayer(walk, next);
        }
        if (!walk.Failure.isEmpty()) {
            return;
        }
    }
}

} // namespace

class ExhaustiveTest : public QObject {
    Q_OBJECT

  private slots:
    void everyTwoPlayerGame();
    void everyOnePlayerGameAndComputerAnswer();
};

void ExhaustiveTest::everyTwoPlayerGame()
{
    // Mid-match, so that the slot written is visible.
    RulesDriver start;
    QVERIFY(start.RecordDraws(2));
    Walk walk;
    WalkTwoPlayers(walk, start);
    QVERIFY2(walk.Failure.isEmpty(), qPrintable(walk.Failure));
    QCOMPARE(walk.Games, 255168L);
    qInfo("%ld games, %ld marks, %ld ignored clicks", walk.Games, walk.Marks, walk.IgnoredClicks);
}

void ExhaustiveTest::everyOnePlayerGameAndComputerAnswer()
{
    RulesDriver start(true);
    QVERIFY(start.RecordDraws(2));
    Walk walk;
    WalkOnePlayer(walk, start);
    QVERIFY2(walk.Failure.isEmpty(), qPrintable(walk.Failure));
    QCOMPARE(walk.Games, 23528L);
    QCOMPARE(walk.ComputerMoves, 30328L);
    QCOMPARE(walk.TableMoves, 20918L);
}

QTEST_APPLESS_MAIN(ExhaustiveTest)
#include "tst_exhaustive.moc"
