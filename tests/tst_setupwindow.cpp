// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "Find.h"

#include "platform/ThemeColours.h"
#include "setup/TextBox.h"
#include "setup/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
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
    QRadioButton* optOne = Find<QRadioButton>(&dialog, "optOne");
    QRadioButton* optTwo = Find<QRadioButton>(&dialog, "optTwo");
    QLabel* lblOne = Find<QLabel>(&dialog, "lblOne");
    QLabel* lblComp = Find<QLabel>(&dialog, "lblComp");
    QLabel* lblPlayer1 = Find<QLabel>(&dialog, "lblPlayer1");
    QLabel* lblPlayer2 = Find<QLabel>(&dialog, "lblPlayer2");
    TextBox* txtOne = Find<TextBox>(&dialog, "txtOne");
    TextBox* txtPlayer1 = Find<TextBox>(&dialog, "txtPlayer1");
    TextBox* txtPlayer2 = Find<TextBox>(&dialog, "txtPlayer2");
    QPushButton* cmdOK = Find<QPushButton>(&dialog, "cmdOK");
    QPushButton* cmdExit = Find<QPushButton>(&dialog, "cmdExit");
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
    void keysTypedAtOnceActInOrder();
    void nextShowingRestoresTheLastStyle();
    void enterActsAsOkAndEscapeDoesNothing();
    void exitAndCloseEndTheProgramButOkDoesNot_data();
    void exitAndCloseEndTheProgramButOkDoesNot();
    void startupFailureSaysItsCause_data();
    void startupFailureSaysItsCause();
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
    QCOMPARE(setup.optOne->text(), QString("&One Player"));
    QCOMPARE(setup.optOne->pos(), QPoint(16, 16));
    QCOMPARE(setup.optTwo->pos(), QPoint(16, 112));
    QCOMPARE(setup.lblOne->text(), QString("Player1 (O)"));
    QCOMPARE(setup.lblComp->pos(), QPoint(176, 40));
    QCOMPARE(setup.lblPlayer1->text(), QString("Player 1 (O)"));
    QCOMPARE(setup.lblPlayer2->text(), QString("Player 2 (X)"));
    QCOMPARE(setup.txtOne->geometry().topLeft(), QPoint(40, 72));
    QCOMPARE(setup.txtOne->width(), 249);
    QCOMPARE(setup.txtPlayer2->geometry().topLeft(), QPoint(176, 176));
    QCOMPARE(setup.txtPlayer2->width(), 113);
    QCOMPARE(setup.cmdOK->geometry(), QRect(40, 224, 81, 25));
    QCOMPARE(setup.cmdExit->text(), QString("E&xit"));
    QVERIFY(setup.cmdOK->isDefault());
    // Tab order: optOne, txtOne, optTwo, txtPlayer1, txtPlayer2, cmdOK, cmdExit.
    QCOMPARE(NextTabStop(setup.optOne), setup.txtOne);
    QCOMPARE(NextTabStop(setup.txtOne), setup.optTwo);
    QCOMPARE(NextTabStop(setup.optTwo), setup.txtPlayer1);
    QCOMPARE(NextTabStop(setup.txtPlayer2), setup.cmdOK);
    QCOMPARE(NextTabStop(setup.cmdOK), setup.cmdExit);
}

void SetupWindowTest::firstShowingOffersOnePlayerWithTheNameSelected()
{
    Setup setup;
    QVERIFY(setup.Show());
    QVERIFY(setup.optOne->isChecked());
    QVERIFY(setup.txtOne->isEnabled());
    QVERIFY(!setup.txtPlayer1->isEnabled() && !setup.txtPlayer2->isEnabled());
    QVERIFY(setup.WhollySelected(setup.txtOne));
    QCOMPARE(setup.Colour(setup.txtOne), platform::Colour(SystemColour::EntryBackground));
    QCOMPARE(setup.Colour(setup.txtPlayer1), platform::Colour(SystemColour::InactiveCaptionText));
    QCOMPARE(setup.Colour(setup.txtPlayer2), platform::Colour(SystemColour::InactiveCaptionText));
    QCOMPARE(setup.txtPlayer1->text(), QString("Player1"));
    QCOMPARE(setup.txtPlayer2->text(), QString("Player2"));
    QTest::keyClicks(setup.txtOne, "Zed");
    QCOMPARE(setup.txtOne->text(), QString("Zed"));
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
        QTest::mouseClick(setup.optTwo, Qt::LeftButton, {}, QPoint(5, 6));
    }
    setup.cmdOK->click();
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
    setup.txtOne->clear();
    setup.cmdOK->click();
    QCOMPARE(setup.record.PlayerOneName, std::string());
    QVERIFY(setup.Show());
    setup.optTwo->click();
    QTest::keyClicks(setup.txtPlayer1, "  Ann ");
    setup.txtPlayer2->setText("  Ann ");
    setup.cmdOK->click();
    QCOMPARE(setup.record.PlayerOneName, std::string("  Ann "));
    QCOMPARE(setup.record.PlayerTwoName, std::string("  Ann "));
}

void SetupWindowTest::switchingStylesKeepsTheTypedNames()
{
    Setup setup;
    QVERIFY(setup.Show());
    setup.optTwo->click();
    QVERIFY(!setup.txtOne->isEnabled() && setup.txtPlayer1->isEnabled() &&
            setup.txtPlayer2->isEnabled());
    QVERIFY(setup.WhollySelected(setup.txtPlayer1));
    QCOMPARE(setup.Colour(setup.txtOne), platform::Colour(SystemColour::InactiveCaptionText));
    QCOMPARE(setup.Colour(setup.txtPlayer2), platform::Colour(SystemColour::EntryBackground));
    QTest::keyClicks(setup.txtPlayer1, "Ann");
    QTest::keyClick(setup.txtPlayer1, Qt::Key_Tab);
    QVERIFY(setup.WhollySelected(setup.txtPlayer2));
    QTest::keyClicks(setup.txtPlayer2, "Bob");
    setup.optOne->click();
    QVERIFY(setup.WhollySelected(setup.txtOne));
    QVERIFY(!setup.txtPlayer1->isEnabled());
    QCOMPARE(setup.Colour(setup.txtPlayer1), platform::Colour(SystemColour::InactiveCaptionText));
    QCOMPARE(setup.Colour(setup.txtOne), platform::Colour(SystemColour::EntryBackground));
    setup.cmdOK->click();
    QCOMPARE(setup.record.PlayerTwoName, std::string("Computer"));
    QCOMPARE(setup.txtPlayer1->text(), QString("Ann"));
    QCOMPARE(setup.txtPlayer2->text(), QString("Bob"));
}

void SetupWindowTest::focusLandsWhereTheUserTypes()
{
    Setup setup;
    QVERIFY(setup.Show());
    frmMain& d = setup.dialog;
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    // An arrow key on the options selects the other style and moves into its first box.
    setup.optOne->setFocus(Qt::BacktabFocusReason);
    QTest::keyClick(setup.optOne, Qt::Key_Down);
    QVERIFY(setup.optTwo->isChecked());
    QVERIFY(setup.WhollySelected(setup.txtPlayer1));
    // A click into a box selects its whole text, as Tab does.
    QTest::mouseClick(setup.txtPlayer2, Qt::LeftButton, {}, QPoint(30, 8));
    QVERIFY(setup.WhollySelected(setup.txtPlayer2));
    // Coming back from another program keeps a half-typed name and its caret.
    QTest::keyClicks(setup.txtPlayer2, "Bo");
    for (const auto type : {QEvent::FocusOut, QEvent::FocusIn}) {
        QFocusEvent focus(type, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(setup.txtPlayer2, &focus);
    }
    QTest::keyClicks(setup.txtPlayer2, "b");
    QCOMPARE(setup.txtPlayer2->text(), QString("Bob"));
    // A focusing press whose release was lost (a grab broken) swallows no later press.
    QTest::mousePress(setup.txtPlayer1, Qt::LeftButton, {}, QPoint(30, 8));
    QTest::mouseClick(setup.txtPlayer1, Qt::LeftButton, {}, QPoint(2, 8));
    QVERIFY(setup.txtPlayer1->hasFocus() && !setup.txtPlayer1->hasSelectedText());
}

void SetupWindowTest::keysTypedAtOnceActInOrder()
{
    Setup setup;
    QVERIFY(setup.Show());
    setup.dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&setup.dialog));
    // Qt's access key clicks a tenth of a second late; the keys after it must not overtake it.
    QTest::keyClick(&setup.dialog, Qt::Key_T, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::qWait(150);
    QVERIFY(setup.optOne->isChecked() && setup.WhollySelected(setup.txtOne));
}

void SetupWindowTest::nextShowingRestoresTheLastStyle()
{
    Setup setup;
    QVERIFY(setup.Show());
    setup.optTwo->click();
    setup.txtPlayer1->setText("Ann");
    setup.cmdOK->click();
    QVERIFY(setup.Show());
    QVERIFY(setup.optTwo->isChecked());
    QVERIFY(setup.WhollySelected(setup.txtPlayer1));
    QCOMPARE(setup.txtPlayer1->text(), QString("Ann"));
    QVERIFY(!setup.txtOne->isEnabled());
    QCOMPARE(setup.Colour(setup.txtOne), platform::Colour(SystemColour::InactiveCaptionText));
}

void SetupWindowTest::enterActsAsOkAndEscapeDoesNothing()
{
    Setup setup;
    QVERIFY(setup.Show());
    setup.dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&setup.dialog));
    QTest::keyClick(setup.txtOne, Qt::Key_Escape);
    QVERIFY(setup.dialog.isVisible());
    QCOMPARE(setup.endCalls, 0);
    QTest::keyClicks(setup.txtOne, "Eve");
    QTest::keyClick(setup.txtOne, Qt::Key_Return);
    QVERIFY(!setup.dialog.isVisible());
    QCOMPARE(setup.record.PlayerOneName, std::string("Eve"));
}

void SetupWindowTest::exitAndCloseEndTheProgramButOkDoesNot_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << "ok" << true;
    QTest::newRow("Exit") << "exit" << false;
    QTest::newRow("closed") << "close" << false;
}

void SetupWindowTest::exitAndCloseEndTheProgramButOkDoesNot()
{
    QFETCH(QString, how);
    QFETCH(bool, ok);
    Setup setup;
    QTimer::singleShot(0, &setup.dialog, [&] {
        if (how == "close") {
            setup.dialog.close();
        } else {
            (ok ? setup.cmdOK : setup.cmdExit)->click();
        }
    });
    QCOMPARE(setup.dialog.ShowModal(), ok);
    QCOMPARE(setup.endCalls, ok ? 0 : 1);
    QCOMPARE(setup.record.PlayerOneName, ok ? std::string("Player1") : std::string());
}

void SetupWindowTest::startupFailureSaysItsCause_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("said");
    QTest::newRow("no display") << "xcb"
                                << ""
                                << "no display to open a window on";
    QTest::newRow("an unknown platform") << "nonexistent"
                                         << ":0"
                                         << "\"nonexistent\"";
}

void SetupWindowTest::startupFailureSaysItsCause()
{
#ifdef Q_OS_WIN
    QSKIP("A failed start is told in a message box there, which waits for the user");
#endif
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, said);
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", platform);
    environment.insert("DISPLAY", display);
    environment.remove("WAYLAND_DISPLAY");
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(ZORVANE_EXECUTABLE), {});
    QVERIFY(game.waitForFinished(10000));
    QCOMPARE(game.exitCode(), 1);
    const QString error = QString::fromUtf8(game.readAllStandardError());
    QVERIFY2(error.startsWith("zorvane: ") && error.contains(said), qPrintable(error));
    QCOMPARE(error.contains("DISPLAY"), platform == "xcb");
}

QTEST_MAIN(SetupWindowTest)
#include "tst_setupwindow.moc"
