// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "match/Flags.h"
#include "match/MatchRecord.h"

#include <QTest>

using namespace zorvane;

class MatchRecordTest : public QObject {
    Q_OBJECT

  private slots:
    void verdictNamesTheSideAheadOnTotals_data();
    void verdictNamesTheSideAheadOnTotals();
    void resultOutsideTheSlotsIsRefusedAndChangesNothing_data();
    void resultOutsideTheSlotsIsRefusedAndChangesNothing();
    void newMatchClearsPointsButKeepsTheSetup();
};

void MatchRecordTest::verdictNamesTheSideAheadOnTotals_data()
{
    QTest::addColumn<QString>("one");
    QTest::addColumn<QString>("two");
    QTest::addColumn<QList<int>>("results"); // pairs: points one, points two
    QTest::addColumn<QString>("verdict");

    QTest::newRow("fresh record") << ""
                                  << "" << QList<int>{} << "Draw Game";
    QTest::newRow("unplayed rounds count as 0")
        << "Player1"
        << "Player2" << QList<int>{1, 0, 0, 1, 1, 0} << "Player1 Win.";
    QTest::newRow("computer ahead") << "Ann"
                                    << "Computer" << QList<int>{0, 1, 0, 0} << "Computer Win.";
    QTest::newRow("two wins each and a draw")
        << "A"
        << "B" << QList<int>{1, 0, 0, 1, 0, 0, 1, 0, 0, 1} << "Draw Game";
    QTest::newRow("five draws") << "A"
                                << "B" << QList<int>(10, 0) << "Draw Game";
    QTest::newRow("empty name keeps the leading space") << ""
                                                        << "B" << QList<int>{1, 0} << " Win.";
    QTest::newRow("order of wins plays no part")
        << "A"
        << "B" << QList<int>{0, 1, 0, 1, 1, 0, 1, 0, 1, 0} << "A Win.";
}

void MatchRecordTest::verdictNamesTheSideAheadOnTotals()
{
    QFETCH(QString, one);
    QFETCH(QString, two);
    QFETCH(QList<int>, results);
    QFETCH(QString, verdict);

    MatchRecord record;
    record.AcceptSetup(one.toStdString(), two.toStdString(), two == "Computer");
    for (qsizetype i = 0; i + 1 < results.size(); i += 2) {
        QVERIFY(record.RecordResult(results[i], results[i + 1]));
    }
    QCOMPARE(record.RoundIndex, results.size() / 2);
    QCOMPARE(QString::fromStdString(MatchVerdict(record)), verdict);
}

void MatchRecordTest::resultOutsideTheSlotsIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<int>("roundIndex");
    QTest::newRow("a sixth result") << 5;
    QTest::newRow("before the first slot") << -1;
}

void MatchRecordTest::resultOutsideTheSlotsIsRefusedAndChangesNothing()
{
    QFETCH(int, roundIndex);
    MatchRecord record;
    for (int round = 0; round < roundIndex; ++round) {
        QVERIFY(record.RecordResult(round % 2, 1 - round % 2));
    }
    if (roundIndex < 0) {
        record.RoundIndex = roundIndex; // no operation reaches it
    }
    const MatchRecord before = record;
    QVERIFY(!record.RecordResult(1, 0));
    QCOMPARE(record.RoundIndex, roundIndex);
    QCOMPARE(record.RoundScoreOne, before.RoundScoreOne);
    QCOMPARE(record.RoundScoreTwo, before.RoundScoreTwo);
}

void MatchRecordTest::newMatchClearsPointsButKeepsTheSetup()
{
    MatchRecord record;
    record.AcceptSetup("Ann", "Computer", true);
    for (int round = 0; round < 5; ++round) {
        QVERIFY(record.RecordResult(1, 0));
    }
    record.StartNewMatch();
    QCOMPARE(record.RoundIndex, 0);
    QCOMPARE(record.RoundScoreOne, (std::array<std::int32_t, 5>{}));
    QCOMPARE(record.RoundScoreTwo, (std::array<std::int32_t, 5>{}));
    QCOMPARE(record.PlayerOneName, std::string("Ann"));
    QCOMPARE(record.OnePlayerMode, FlagTrue);
    QCOMPARE(MatchVerdict(record), std::string("Draw Game"));
}

QTEST_APPLESS_MAIN(MatchRecordTest)
#include "tst_matchrecord.moc"
