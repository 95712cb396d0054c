// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/Platform.h"
#include "setup/TextBox.h"
#include "setup/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace zorvane;

namespace {

struct Setup {
    Setup()
        : dialog(
              record, [this] { ++endCalls; }, nullptr)
    {
    }
    bool Show()
    {
        dialog.show();
        return QTest::qWaitForWindowExposed(&dialog);
    }
    QColor Colour(TextBox* box) const { return box->palette().color(QPalette::Base); }
    bool WhollySelected(TextBox* box) const
    {
        return box->hasFocus() && box->selectedText() == box->text() && box->selectionStart() == 0;
    }
    MatchRecord record;
    int endCalls = 0;
    frmMain dialog;
};

QWidget* NextTabStop(QWidget* widget)
{
    do {
        widget = widget->nextInFocusChain();
    } while ((widget->focusPolicy() & Qt::TabFocus) == 0);
    return widget;
}

} // namespace

class SetupWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void dialogHasItsLayout();
    void firstShowingOffersOnePlayerWithTheNameSelected();
    void okAtOnceWritesEachStyle_data();
    void okAtOnceWritesEachStyle();
    void namesAreTakenExactlyAsTyped();
    void switchingStylesKeepsTheTypedNames();
    void focusLandsWhereTheUserTypes();
    void nextShowingRestoresTheLastStyle();
    void enterActsAsOkAndEscapeDoesNothing();
    void exitAndCloseEndTheProgramButOkDoesNot();
    void modalShowingReturnsAfterOk();
};

void SetupWindowTest::dialogHasItsLayout()
{
    Setup setup;
    QVERIFY(setup.Show());
    frmMain& d = setup.dialog;
    QCOMPARE(d.windowTitle(), QString("Choose your playing style"));
    QCOMPARE(d.size(), QSize(307, 262));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QVERIFY(!(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(d.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(d.optOne->text(), QString("&One Player"));
    QCOMPARE(d.optOne->pos(), QPoint(16, 16));
    QCOMPARE(d.optTwo->pos(), QPoint(16, 112));
    QCOMPARE(d.lblOne->text(), QString("Player1 (O)"));
    QCOMPARE(d.lblComp->pos(), QPoint(176, 40));
    QCOMPARE(d.lblPlayer1->text(), QString("Player 1 (O)"));
    QCOMPARE(d.lblPlayer2->text(), QString("Player 2 (X)"));
    QCOMPARE(d.txtOne->geometry().topLeft(), QPoint(40, 72));
    QCOMPARE(d.txtOne->width(), 249);
    QCOMPARE(d.txtPlayer2->geometry().topLeft(), QPoint(176, 176));
    QCOMPARE(d.txtPlayer2->width(), 113);
    QCOMPARE(d.cmdOK->geometry(), QRect(40, 224, 81, 25));
    QCOMPARE(d.cmdExit->text(), QString("E&xit"));
    QVERIFY(d.cmdOK->isDefault());
    // Tab order: optOne, txtOne, optTwo, txtPlayer1, txtPlayer2, cmdOK, cmdExit.
    QCOMPARE(NextTabStop(d.optOne), d.txtOne);
    QCOMPARE(NextTabStop(d.txtOne), d.optTwo);
    QCOMPARE(NextTabStop(d.optTwo), d.txtPlayer1);
    QCOMPARE(NextTabStop(d.txtPlayer2), d.cmdOK);
    QCOMPARE(NextTabStop(d.cmdOK), d.cmdExit);
}

void SetupWindowTest::firstShowingOffersOnePlayerWithTheNameSelected()
{
    Setup setup;
    QVERIFY(setup.Show());
    frmMain& d = setup.dialog;
    QVERIFY(d.optOne->isChecked());
    QVERIFY(d.txtOne->isEnabled());
    QVERIFY(!d.txtPlayer1->isEnabled() && !d.txtPlayer2->isEnabled());
    QVERIFY(setup.WhollySelected(d.txtOne));
    QCOMPARE(setup.Colour(d.txtOne), platform::Colour(SystemColour::EntryBackground));
    QCOMPARE(setup.Colour(d.txtPlayer1), platform::Colour(SystemColour::InactiveCaptionText));
    QCOMPARE(setup.Colour(d.txtPlayer2), platform::Colour(SystemColour::InactiveCaptionText));
    QCOMPARE(d.txtPlayer1->text(), QString("Player1"));
    QCOMPARE(d.txtPlayer2->text(), QString("Player2"));
    QTest::keyClicks(d.txtOne, "Zed");
    QCOMPARE(d.txtOne->text(), QString("Zed"));
}

void SetupWindowTest::okAtOnceWritesEachStyle_data()
{
    QTest::addColumn<bool>("two");
    QTest::addColumn<QString>("one");
    QTest::addColumn<QString>("other");
    QTest::addColumn<int>("mode");
    QTest::newRow("one player") << false << "Player1"
                                << "Computer" << -1;
    QTest::newRow("two players") << true << "Player1"
                                 << "Player2" << 0;
}

void SetupWindowTest::okAtOnceWritesEachStyle()
{
    QFETCH(bool, two);
    QFETCH(QString, one);
    QFETCH(QString, other);
    QFETCH(int, mode);
    Setup setup;
    QVERIFY(setup.Show());
    if (two) {
        QTest::mouseClick(setup.dialog.optTwo, Qt::LeftButton, {}, QPoint(5, 6));
    }
    setup.dialog.cmdOK->click();
    QCOMPARE(QString::fromStdString(setup.record.PlayerOneName), one);
    QCOMPARE(QString::fromStdString(setup.record.PlayerTwoName), other);
    QCOMPARE(setup.record.OnePlayerMode, mode);
    QVERIFY(!setup.dialog.isVisible());
    QCOMPARE(setup.endCalls, 0);
}

void SetupWindowTest::namesAreTakenExactlyAsTyped()
{
    Setup setup;
    QVERIFY(setup.Show());
    setup.dialog.txtOne->clear();
    setup.dialog.cmdOK->click();
    QCOMPARE(setup.record.PlayerOneName, std::string());
    QVERIFY(setup.Show());
    setup.dialog.optTwo->click();
    QTest::keyClicks(setup.dialog.txtPlayer1, "  Ann ");
    setup.dialog.txtPlayer2->setText("  Ann ");
    setup.dialog.cmdOK->click();
    QCOMPARE(setup.record.PlayerOneName, std::string("  Ann "));
    QCOMPARE(setup.record.PlayerTwoName, std::string("  Ann "));
}

void SetupWindowTest::switchingStylesKeepsTheTypedNames()
{
    Setup setup;
    QVERIFY(setup.Show());
    frmMain& d = setup.dialog;
    d.optTwo->click();
    QVERIFY(!d.txtOne->isEnabled() && d.txtPlayer1->isEnabled() && d.txtPlayer2->isEnabled());
    QVERIFY(setup.WhollySelected(d.txtPlayer1));
    QCOMPARE(setup.Colour(d.txtOne), platform::Colour(SystemColour::InactiveCaptionText));
    QCOMPARE(setup.Colour(d.txtPlayer2), platform::Colour(SystemColour::EntryBackground));
    QTest::keyClicks(d.txtPlayer1, "Ann");
    QTest::keyClick(d.txtPlayer1, Qt::Key_Tab);
    QVERIFY(setup.WhollySelected(d.txtPlayer2));
    QTest::keyClicks(d.txtPlayer2, "Bob");
    d.optOne->click();
    QVERIFY(setup.WhollySelected(d.txtOne));
    QVERIFY(!d.txtPlayer1->isEnabled());
    QCOMPARE(setup.Colour(d.txtPlayer1), platform::Colour(SystemColour::InactiveCaptionText));
    QCOMPARE(setup.Colour(d.txtOne), platform::Colour(SystemColour::EntryBackground));
    d.cmdOK->click();
    QCOMPARE(setup.record.PlayerTwoName, std::string("Computer"));
    QCOMPARE(d.txtPlayer1->text(), QString("Ann"));
    QCOMPARE(d.txtPlayer2->text(), QString("Bob"));
}

void SetupWindowTest::focusLandsWhereTheUserTypes()
{
    Setup setup;
    QVERIFY(setup.Show());
    frmMain& d = setup.dialog;
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    // An arrow key on the options selects the other style and moves into its first box.
    d.optOne->setFocus(Qt::BacktabFocusReason);
    QTest::keyClick(d.optOne, Qt::Key_Down);
    QVERIFY(d.optTwo->isChecked());
    QVERIFY(setup.WhollySelected(d.txtPlayer1));
    // A click into a box selects its whole text, as Tab does.
    QTest::mouseClick(d.txtPlayer2, Qt::LeftButton, {}, QPoint(30, 8));
    QVERIFY(setup.WhollySelected(d.txtPlayer2));
    // Coming back from another program keeps a half-typed name and its caret.
    QTest::keyClicks(d.txtPlayer2, "Bo");
    for (const auto type : {QEvent::FocusOut, QEvent::FocusIn}) {
        QFocusEvent focus(type, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(d.txtPlayer2, &focus);
    }
    QTest::keyClicks(d.txtPlayer2, "b");
    QCOMPARE(d.txtPlayer2->text(), QString("Bob"));
}

void SetupWindowTest::nextShowingRestoresTheLastStyle()
{
    Setup setup;
    QVERIFY(setup.Show());
    setup.dialog.optTwo->click();
    setup.dialog.txtPlayer1->setText("Ann");
    setup.dialog.cmdOK->click();
    QVERIFY(setup.Show());
    frmMain& d = setup.dialog;
    QVERIFY(d.optTwo->isChecked());
    QVERIFY(setup.WhollySelected(d.txtPlayer1));
    QCOMPARE(d.txtPlayer1->text(), QString("Ann"));
    QVERIFY(!d.txtOne->isEnabled());
    QCOMPARE(setup.Colour(d.txtOne), platform::Colour(SystemColour::InactiveCaptionText));
}

void SetupWindowTest::enterActsAsOkAndEscapeDoesNothing()
{
    Setup setup;
    QVERIFY(setup.Show());
    setup.dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&setup.dialog));
    QTest::keyClick(setup.dialog.txtOne, Qt::Key_Escape);
    QVERIFY(setup.dialog.isVisible());
    QCOMPARE(setup.endCalls, 0);
    QTest::keyClicks(setup.dialog.txtOne, "Eve");
    QTest::keyClick(setup.dialog.txtOne, Qt::Key_Return);
    QVERIFY(!setup.dialog.isVisible());
    QCOMPARE(setup.record.PlayerOneName, std::string("Eve"));
}

void SetupWindowTest::exitAndCloseEndTheProgramButOkDoesNot()
{
    Setup exit;
    QVERIFY(exit.Show());
    exit.dialog.cmdExit->click();
    QCOMPARE(exit.endCalls, 1);
    QCOMPARE(exit.record.PlayerOneName, std::string());

    Setup closing;
    QVERIFY(closing.Show());
    closing.dialog.close();
    QCOMPARE(closing.endCalls, 1);

    Setup ok;
    QVERIFY(ok.Show());
    ok.dialog.cmdOK->click();
    QCOMPARE(ok.endCalls, 0);
}

void SetupWindowTest::modalShowingReturnsAfterOk()
{
    Setup setup;
    QTimer::singleShot(0, &setup.dialog, [&] { setup.dialog.cmdOK->click(); });
    QVERIFY(setup.dialog.ShowModal());
    QTimer::singleShot(0, &setup.dialog, [&] { setup.dialog.close(); });
    QVERIFY(!setup.dialog.ShowModal());
    QCOMPARE(setup.endCalls, 1);
}

QTEST_MAIN(SetupWindowTest)
#include "tst_setupwindow.moc"
