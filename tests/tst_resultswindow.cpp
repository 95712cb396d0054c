// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "Find.h"

#include "platform/LineControl.h"
#include "results/frmResults.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace zorvane;

namespace {

MatchRecord RecordOf(std::initializer_list<std::pair<int, int>> rounds)
{
    MatchRecord record;
    record.AcceptSetup("Ann", "Computer", true);
    for (const auto& [one, two] : rounds) {
        if (!record.RecordResult(one, two)) {
            qFatal("test record overflow");
        }
    }
    return record;
}

// The elements of a row array (lblS1 or lblS2), by index.
QList<QLabel*> Elements(const frmResults& dialog, const QString& array)
{
    QList<QLabel*> cells;
    while (auto* cell = dialog.findChild<QLabel*>(array + QString::number(cells.size()))) {
        cells << cell;
    }
    return cells;
}

QString Column(const frmResults& dialog, const QString& array)
{
    QString column;
    for (const QLabel* cell : Elements(dialog, array)) {
        if (cell->isVisibleTo(&dialog)) {
            column += cell->text();
        }
    }
    return column;
}

} // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void dialogHasItsLayout();
    void noRoundScoredShowsOnlyHeadingsAndZeroTotals();
    void threeRoundsShowTheirRowsAtTheirTops();
    void fiveRoundsEndAboveTheTotalsRule();
    void secondOpeningDuplicatesNothing();
    void enterAndEscapeBothClose();
};

void ResultsWindowTest::dialogHasItsLayout()
{
    const MatchRecord record = RecordOf({});
    frmResults dialog(record, nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Zorvane"));
    QCOMPARE(dialog.size(), QSize(241, 261));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(Find<QLabel>(&dialog, "lblPlayer1")->pos(), QPoint(40, 16));
    QCOMPARE(Find<QLabel>(&dialog, "lblPlayer2")->pos(), QPoint(160, 16));
    QCOMPARE(Find<LineControl>(&dialog, "Line1")->From(), QPoint(120, 8));
    QCOMPARE(Find<LineControl>(&dialog, "Line2")->To(), QPoint(233, 37));
    QCOMPARE(Find<LineControl>(&dialog, "Line3")->From(), QPoint(8, 176));
    QCOMPARE(Find<QLabel>(&dialog, "lblR1")->pos(), QPoint(56, 192));
    QCOMPARE(Find<QLabel>(&dialog, "lblR2")->pos(), QPoint(176, 192));
    QCOMPARE(Find<QPushButton>(&dialog, "Command1")->geometry(), QRect(48, 224, 145, 25));
    QCOMPARE(Find<QPushButton>(&dialog, "Command1")->text(), QString("Cancel"));
    QVERIFY(Find<QPushButton>(&dialog, "Command1")->isDefault());
}

void ResultsWindowTest::noRoundScoredShowsOnlyHeadingsAndZeroTotals()
{
    const MatchRecord record = RecordOf({});
    frmResults dialog(record, nullptr);
    QCOMPARE(Find<QLabel>(&dialog, "lblPlayer1")->text(), QString("Ann"));
    QCOMPARE(Find<QLabel>(&dialog, "lblPlayer2")->text(), QString("Computer"));
    QCOMPARE(Column(dialog, "lblS1"), QString());
    QCOMPARE(Elements(dialog, "lblS1").size(), 1);
    QCOMPARE(Find<QLabel>(&dialog, "lblR1")->text(), QString("0"));
    QCOMPARE(Find<QLabel>(&dialog, "lblR2")->text(), QString("0"));
}

void ResultsWindowTest::threeRoundsShowTheirRowsAtTheirTops()
{
    const MatchRecord record = RecordOf({{1, 0}, {0, 1}, {0, 0}});
    frmResults dialog(record, nullptr);
    QCOMPARE(Column(dialog, "lblS1"), QString("100"));
    QCOMPARE(Column(dialog, "lblS2"), QString("010"));
    QCOMPARE(Elements(dialog, "lblS1").size(), 3);
    for (std::size_t k = 0; k < 3; ++k) {
        const int top = 56 + 24 * static_cast<int>(k);
        QCOMPARE(Find<QLabel>(&dialog, "lblS1", k)->pos(), QPoint(56, top));
        QCOMPARE(Find<QLabel>(&dialog, "lblS2", k)->pos(), QPoint(176, top));
        QCOMPARE(Find<QLabel>(&dialog, "lblS1", k)->font(),
                 Find<QLabel>(&dialog, "lblS1", 0)->font());
    }
    QCOMPARE(Find<QLabel>(&dialog, "lblR1")->text(), QString("1"));
    QCOMPARE(Find<QLabel>(&dialog, "lblR2")->text(), QString("1"));
}

void ResultsWindowTest::fiveRoundsEndAboveTheTotalsRule()
{
    const MatchRecord record = RecordOf({{1, 0}, {1, 0}, {0, 1}, {1, 0}, {0, 0}});
    frmResults dialog(record, nullptr);
    QCOMPARE(Column(dialog, "lblS1"), QString("11010"));
    QCOMPARE(Find<QLabel>(&dialog, "lblS1", 4)->y(), 152);
    QVERIFY(Find<QLabel>(&dialog, "lblS1", 4)->geometry().bottom() < 176);
    QCOMPARE(Find<QLabel>(&dialog, "lblR1")->text(), QString("3"));
    QCOMPARE(Find<QLabel>(&dialog, "lblR2")->text(), QString("1"));
}

void ResultsWindowTest::secondOpeningDuplicatesNothing()
{
    MatchRecord record = RecordOf({{1, 0}, {0, 1}});
    for (int opening = 0; opening < 2; ++opening) {
        frmResults dialog(record, nullptr);
        QCOMPARE(dialog.findChildren<QLabel*>().size(), 2 + 2 * 2 + 2);
        QCOMPARE(Column(dialog, "lblS2"), QString("01"));
    }
    record.StartNewMatch();
    frmResults afterNewGame(record, nullptr);
    QCOMPARE(Column(afterNewGame, "lblS1"), QString());
    QCOMPARE(Find<QLabel>(&afterNewGame, "lblR2")->text(), QString("0"));
}

void ResultsWindowTest::enterAndEscapeBothClose()
{
    const MatchRecord record = RecordOf({{1, 0}});
    for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmResults dialog(record, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, key);
        QVERIFY(!dialog.isVisible());
    }
    frmResults dialog(record, nullptr);
    dialog.show();
    Find<QPushButton>(&dialog, "Command1")->click();
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(ResultsWindowTest)
#include "tst_resultswindow.moc"
