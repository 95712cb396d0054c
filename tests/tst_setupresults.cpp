// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "match/Flags.h"
#include "results/ResultsTable.h"
#include "setup/SetupChoice.h"

#include <QTest>

using namespace zorvane;

class SetupResultsTest : public QObject {
    Q_OBJECT

  private slots:
    void styleDecidesWhichNameBoxesAreUsable();
    void acceptCopiesTheStyleTextsExactly();
    void resultsTableListsTheScoredRounds();
};

void SetupResultsTest::styleDecidesWhichNameBoxesAreUsable()
{
    const NameBoxStates one = BoxStates(PlayingStyle::OnePlayer);
    QVERIFY(one.One.Enabled && !one.Player1.Enabled && !one.Player2.Enabled);
    QCOMPARE(one.One.Colour, SystemColour::EntryBackground);
    QCOMPARE(one.Player2.Colour, SystemColour::InactiveCaptionText);
    QCOMPARE(one.Focus, NameBox::One);
    const NameBoxStates two = BoxStates(PlayingStyle::TwoPlayers);
    QVERIFY(!two.One.Enabled && two.Player1.Enabled && two.Player2.Enabled);
    QCOMPARE(two.One.Colour, SystemColour::InactiveCaptionText);
    QCOMPARE(two.Player1.Colour, SystemColour::EntryBackground);
    QCOMPARE(two.Focus, NameBox::Player1);
}

void SetupResultsTest::acceptCopiesTheStyleTextsExactly()
{
    MatchRecord record;
    Accept(record, PlayingStyle::OnePlayer, "  Ann ", "Bob", "Cy");
    QCOMPARE(record.PlayerOneName, std::string("  Ann "));
    QCOMPARE(record.PlayerTwoName, std::string("Computer"));
    QCOMPARE(record.OnePlayerMode, FlagTrue);
    Accept(record, PlayingStyle::TwoPlayers, "Ann", "", "");
    QCOMPARE(record.PlayerOneName, std::string());
    QCOMPARE(record.PlayerTwoName, std::string());
    QCOMPARE(record.OnePlayerMode, FlagFalse);
}

void SetupResultsTest::resultsTableListsTheScoredRounds()
{
    MatchRecord record;
    record.AcceptSetup("Ann", "Computer", true);
    ResultsTable empty = BuildResultsTable(record);
    QVERIFY(empty.Rows.empty());
    QCOMPARE(empty.TotalOne, std::string("0"));
    QCOMPARE(empty.HeadingTwo, std::string("Computer"));

    QVERIFY(record.RecordResult(1, 0));
    QVERIFY(record.RecordResult(0, 1));
    QVERIFY(record.RecordResult(0, 0));
    const ResultsTable three = BuildResultsTable(record);
    QCOMPARE(three.Rows.size(), 3u);
    QCOMPARE(three.Rows[0].PointsOne + three.Rows[1].PointsOne + three.Rows[2].PointsOne,
             std::string("100"));
    QCOMPARE(three.Rows[0].PointsTwo + three.Rows[1].PointsTwo + three.Rows[2].PointsTwo,
             std::string("010"));
    QCOMPARE(three.TotalOne, std::string("1"));
    QCOMPARE(three.TotalTwo, std::string("1"));
    QVERIFY(record.RecordResult(1, 0));
    QVERIFY(record.RecordResult(1, 0));
    QCOMPARE(BuildResultsTable(record).Rows.size(), 5u);
    QCOMPARE(BuildResultsTable(record).TotalOne, std::string("3"));
}

QTEST_APPLESS_MAIN(SetupResultsTest)
#include "tst_setupresults.moc"
