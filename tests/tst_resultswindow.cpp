// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
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

QString Column(const std::vector<QLabel*>& cells)
{
    QString column;
    for (const QLabel* cell : cells) {
        if (cell->isVisibleTo(cell->parentWidget())) {
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
    void longAndMarkupNamesAreShownWhole();
    void enterAndEscapeBothClose();
};

void ResultsWindowTest::dialogHasItsLayout()
{
    const MatchRecord record = RecordOf({});
    frmResults dialog(record, nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Zorvane"));
    QCOMPARE(dialog.size(), QSize(241, 261));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.lblPlayer1->pos(), QPoint(40, 16));
    QCOMPARE(dialog.lblPlayer2->pos(), QPoint(160, 16));
    QCOMPARE(dialog.Line1->From(), QPoint(120, 8));
    QCOMPARE(dialog.Line2->To(), QPoint(233, 37));
    QCOMPARE(dialog.Line3->From(), QPoint(8, 176));
    QCOMPARE(dialog.lblR1->pos(), QPoint(56, 192));
    QCOMPARE(dialog.lblR2->pos(), QPoint(176, 192));
    QCOMPARE(dialog.Command1->geometry(), QRect(48, 224, 145, 25));
    QCOMPARE(dialog.Command1->text(), QString("Cancel"));
    QVERIFY(dialog.Command1->isDefault());
}

void ResultsWindowTest::noRoundScoredShowsOnlyHeadingsAndZeroTotals()
{
    const MatchRecord record = RecordOf({});
    frmResults dialog(record, nullptr);
    QCOMPARE(dialog.lblPlayer1->text(), QString("Ann"));
    QCOMPARE(dialog.lblPlayer2->text(), QString("Computer"));
    QCOMPARE(Column(dialog.lblS1), QString());
    QCOMPARE(dialog.lblS1.size(), 1u);
    QCOMPARE(dialog.lblR1->text(), QString("0"));
    QCOMPARE(dialog.lblR2->text(), QString("0"));
}

void ResultsWindowTest::threeRoundsShowTheirRowsAtTheirTops()
{
    const MatchRecord record = RecordOf({{1, 0}, {0, 1}, {0, 0}});
    frmResults dialog(record, nullptr);
    QCOMPARE(Column(dialog.lblS1), QString("100"));
    QCOMPARE(Column(dialog.lblS2), QString("010"));
    QCOMPARE(dialog.lblS1.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const int top = 56 + 24 * static_cast<int>(k);
        QCOMPARE(dialog.lblS1[k]->pos(), QPoint(56, top));
        QCOMPARE(dialog.lblS2[k]->pos(), QPoint(176, top));
        QCOMPARE(dialog.lblS1[k]->font(), dialog.lblS1[0]->font());
    }
    QCOMPARE(dialog.lblR1->text(), QString("1"));
    QCOMPARE(dialog.lblR2->text(), QString("1"));
}

void ResultsWindowTest::fiveRoundsEndAboveTheTotalsRule()
{
    const MatchRecord record = RecordOf({{1, 0}, {1, 0}, {0, 1}, {1, 0}, {0, 0}});
    frmResults dialog(record, nullptr);
    QCOMPARE(Column(dialog.lblS1), QString("11010"));
    QCOMPARE(dialog.lblS1[4]->y(), 152);
    QVERIFY(dialog.lblS1[4]->geometry().bottom() < 176);
    QCOMPARE(dialog.lblR1->text(), QString("3"));
    QCOMPARE(dialog.lblR2->text(), QString("1"));
}

void ResultsWindowTest::secondOpeningDuplicatesNothing()
{
    MatchRecord record = RecordOf({{1, 0}, {0, 1}});
    for (int opening = 0; opening < 2; ++opening) {
        frmResults dialog(record, nullptr);
        QCOMPARE(dialog.findChildren<QLabel*>().size(), 2 + 2 * 2 + 2);
        QCOMPARE(Column(dialog.lblS2), QString("01"));
    }
    record.StartNewMatch();
    frmResults afterNewGame(record, nullptr);
    QCOMPARE(Column(afterNewGame.lblS1), QString());
    QCOMPARE(afterNewGame.lblR2->text(), QString("0"));
}

void ResultsWindowTest::longAndMarkupNamesAreShownWhole()
{
    MatchRecord record = RecordOf({});
    const std::string longName(300, 'W');
    record.AcceptSetup(longName, "<b>&Bob</b>", false);
    frmResults dialog(record, nullptr);
    QCOMPARE(dialog.lblPlayer1->text().toStdString(), longName);
    QCOMPARE(dialog.lblPlayer1->width(), dialog.lblPlayer1->sizeHint().width());
    QVERIFY(dialog.lblPlayer1->width() > 241);
    QCOMPARE(dialog.lblPlayer2->text(), QString("<b>&Bob</b>"));
    QCOMPARE(dialog.lblPlayer2->textFormat(), Qt::PlainText);
    record.AcceptSetup("", "", false);
    frmResults blank(record, nullptr);
    QCOMPARE(blank.lblPlayer1->text(), QString());
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
    dialog.Command1->click();
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(ResultsWindowTest)
#include "tst_resultswindow.moc"
