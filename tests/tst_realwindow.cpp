// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// The real program on a real X server: real input in, screen pixels out, and every way of
// ending it. Skipped, and reported as skipped, where Xvfb or xdotool is not installed.
#include "ScreenBoard.h"
#include "XSession.h"

#include "board/BoardGeometry.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <functional>

namespace geometry = zorvane::geometry;

class RealWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void clickUnderTheHourglassIsDropped();
    void pauseShowsTheOThenTheHourglassThenTheX_data();
    void pauseShowsTheOThenTheHourglassThenTheX();
    void everyWayOfEndingEndsTheProcess_data();
    void everyWayOfEndingEndsTheProcess();
    void windowsAreCentredFrameIncluded_data();
    void windowsAreCentredFrameIncluded();
    void clickActsOnTheCellUnderAStillPointer_data();
    void clickActsOnTheCellUnderAStillPointer();
};

// kwin is tried where it is installed: it is not among the test packages, since it brings most
// of KDE's libraries with it.
#define SKIP_WITHOUT_KWIN(manager)                                                                 \
    do {                                                                                           \
        if ((manager) == "kwin_x11" && QStandardPaths::findExecutable(manager).isEmpty()) {        \
            QSKIP("kwin_x11 is not installed");                                                    \
        }                                                                                          \
    } while (false)

void RealWindowTest::clickUnderTheHourglassIsDropped()
{
    XSession x;
    SKIP_WITHOUT_X(x);
    const ScreenBoard board = StartOn(x, true);
    QVERIFY(!board.Origin.isNull());
    // The second click comes a few milliseconds after the first, inside the computer's pause.
    const QPoint first = board.Centre(4);
    const QPoint second = board.Centre(8);
    x.ClicksAt({first, second});
    QVERIFY(WaitFor(
        [&] {
            int xs = 0;
            for (int cell = 0; cell < 9; ++cell) {
                xs += board.HasX(cell);
            }
            return xs == 1;
        },
        3000));
    QThread::msleep(400);
    QVERIFY(board.HasO(4));
    QVERIFY(!board.HasO(8));
    // The board takes the next click as usual.
    board.Click(8);
    EXPECT_ON_SCREEN(board, board.HasO(8) || board.HasX(8), 2000);
}

void RealWindowTest::pauseShowsTheOThenTheHourglassThenTheX_data()
{
    QTest::addColumn<QString>("manager");
    QTest::newRow("no window manager") << QString();
    QTest::newRow("openbox") << "openbox";
    // A compositor draws the screen from the windows' pixels only once told they changed.
    QTest::newRow("metacity, composited") << "metacity --composite";
    QTest::newRow("xfwm4, composited") << "xfwm4 --compositor=on";
    QTest::newRow("kwin, composited") << "kwin_x11";
}

void RealWindowTest::pauseShowsTheOThenTheHourglassThenTheX()
{
    QFETCH(QString, manager);
    SKIP_WITHOUT_KWIN(manager);
    XSession x(!manager.isEmpty(), manager.isEmpty() ? QStringLiteral("openbox") : manager);
    SKIP_WITHOUT_X(x);
    const ScreenBoard board = StartOn(x, true);
    QVERIFY(!board.Origin.isNull());
    x.MoveTo(board.Centre(4));
    QThread::msleep(200);
    const QByteArray normal = x.CursorImage();
    QVERIFY(!normal.isEmpty());
    x.ClickHere();
    // What the player sees, sampled from the screen itself through the pause.
    const auto anyX = [&] {
        for (int cell = 0; cell < 9; ++cell) {
            if (board.HasX(cell)) {
                return true;
            }
        }
        return false;
    };
    QList<QByteArray> cursors;
    bool oAloneUnderTheHourglass = false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 600) {
        const QByteArray cursor = x.CursorImage();
        cursors << cursor;
        oAloneUnderTheHourglass |= cursor != normal && board.HasO(4) && !anyX();
        QThread::msleep(10);
    }
    QVERIFY2(cursors.count(normal) < cursors.size(), "the pointer never changed");
    QCOMPARE(cursors.last(), normal);
    QVERIFY2(oAloneUnderTheHourglass, "the O was not on the screen before the computer's X");
    QVERIFY(board.HasO(4) && anyX());
}

void RealWindowTest::everyWayOfEndingEndsTheProcess_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("setup dialog's Exit") << "setup-exit";
    QTest::newRow("setup dialog closed") << "setup-close";
    QTest::newRow("board window closed") << "board-close";
    QTest::newRow("Game, Exit") << "board-exit";
    QTest::newRow("Exit in the setup dialog of New Game") << "newgame-exit";
    QTest::newRow("New Game's setup dialog closed") << "newgame-close";
}

void RealWindowTest::everyWayOfEndingEndsTheProcess()
{
    QFETCH(QString, how);
    // Under a window manager, as a user's: Wine waits two seconds for one to withdraw a window
    // that it unmaps.
    XSession x(true);
    SKIP_WITHOUT_X(x);
    QVERIFY(x.StartGame());
    const unsigned long setup = x.FindWindow("Choose your playing style");
    QVERIFY(setup != 0);
    x.Focus(setup);
    if (how == "setup-exit") {
        x.Keys({"alt+x"});
    } else if (how == "setup-close") {
        x.RequestClose(setup);
    } else {
        x.Keys({"Return"});
        const unsigned long board = x.FindWindow("Zorvane");
        QVERIFY(board != 0);
        QVERIFY(x.GameRunning());
        x.Focus(board);
        if (how == "board-close") {
            x.RequestClose(board);
        } else if (how == "board-exit") {
            x.Keys({"alt+g", "x"});
        } else {
            x.Keys({"F2"});
            const unsigned long again = x.FindWindow("Choose your playing style");
            QVERIFY(again != 0);
            x.Focus(again);
            if (how == "newgame-exit") {
                x.Keys({"alt+x"});
            } else {
                x.RequestClose(again);
            }
        }
    }
    QVERIFY2(x.GameEnds(2000), "the program is still running");
}

void RealWindowTest::windowsAreCentredFrameIncluded_data()
{
    QTest::addColumn<QString>("manager");
    QTest::addColumn<QString>("showing");
    // Whether the X frame is what is seen: metacity's holds invisible borders beside.
    QTest::addColumn<bool>("frameSeen");
    for (const auto& [manager, seen] : {std::pair{"openbox", true}, std::pair{"icewm", true},
                                        std::pair{"metacity --composite", false},
                                        std::pair{"xfwm4", true}, std::pair{"kwin_x11", true}}) {
        for (const char* showing : {"setup", "setup again", "board", "results, board moved"}) {
            QTest::addRow("%s: %s", manager, showing) << manager << showing << seen;
        }
    }
}

// Each window centred, frame included, and where Qt believes it is: its pop-up menus, which Qt
// places by that belief, open at the control they belong to.
void RealWindowTest::windowsAreCentredFrameIncluded()
{
    QFETCH(QString, manager);
    QFETCH(QString, showing);
    QFETCH(bool, frameSeen);
    SKIP_WITHOUT_KWIN(manager);
    if (qEnvironmentVariableIsSet("ZORVANE_GAME")) {
        // Under Wine the window manager frames the window, not Windows: Qt centres the frame
        // Windows would draw, which the X server never shows.
        QSKIP("the game runs under Wine, whose frames are the window manager's");
    }
    XSession x(true, manager);
    SKIP_WITHOUT_X(x);
    const auto centredOn = [&](QRect frame, QPointF centre) {
        const QPointF off = QRectF(frame).center() - centre;
        // icewm's task bar along the bottom takes 27 px off the work area once it shows, which
        // may be just after the game placed its first window.
        const double taskBar = manager == "icewm" && centre == QPointF(400, 300) ? 13.5 : 0;
        return qAbs(off.x()) <= 2 && (qAbs(off.y()) <= 2 || qAbs(off.y() + taskBar) <= 2);
    };
    const QPointF screen(400, 300); // Xvfb's 800 x 600
    QVERIFY(x.StartGame());
    unsigned long setup = x.FindWindow("Choose your playing style");
    QVERIFY(setup != 0);
    if (showing.startsWith("setup")) {
        if (showing == "setup again") {
            x.Keys({"Return"});
            const unsigned long board = x.FindWindow("Zorvane");
            QVERIFY(board != 0);
            x.Focus(board);
            x.Keys({"F2"});
            setup = x.FindWindow("Choose your playing style");
            QVERIFY(setup != 0);
        }
        const QRect frame = x.FrameGeometry(setup);
        QVERIFY(frame.height() > x.Geometry(setup).height()); // the window manager framed it
        QVERIFY2(!frameSeen || centredOn(frame, screen), qPrintable(QDebug::toString(frame)));
        // The first name box's menu opens at its text cursor, inside the box.
        x.Focus(setup);
        x.Keys({"Menu"});
        const QPoint menu = x.PopupGeometry().topLeft() - x.Geometry(setup).topLeft();
        QVERIFY2(QRect(40, 72, 249, 19).contains(menu), qPrintable(QDebug::toString(menu)));
        return;
    }
    x.Keys({"Return"});
    const unsigned long board = x.FindWindow("Zorvane");
    QVERIFY(board != 0);
    QRect boardFrame = x.FrameGeometry(board);
    if (showing == "board") {
        QVERIFY2(!frameSeen || centredOn(boardFrame, screen),
                 qPrintable(QDebug::toString(boardFrame)));
        // Its board and menu bar are drawn into it, not X windows of their own.
        QCOMPARE(x.ChildWindows(board), 0);
        // The Game menu opens under its title, within the menu bar's height of the top left.
        x.Focus(board);
        x.Keys({"alt+g"});
        const QRect client = x.Geometry(board);
        const QPoint menu = x.PopupGeometry().topLeft() - client.topLeft();
        const int menuBar = client.height() - zorvane::geometry::ClientHeight;
        QVERIFY2(QRect(0, 1, 12, menuBar).contains(menu), qPrintable(QDebug::toString(menu)));
        return;
    }
    // Moved by its title bar within its first second.
    const QPoint title(boardFrame.center().x(), x.Geometry(board).top() - 8);
    x.Drag(title, title - QPoint(150, 80));
    QThread::msleep(300);
    boardFrame = x.FrameGeometry(board);
    QVERIFY2(boardFrame.top() < 100, qPrintable(QDebug::toString(boardFrame)));
    x.Focus(board);
    x.Keys({"alt+g", "r"});
    const unsigned long results = x.FindWindow("Zorvane", 5000, board);
    QVERIFY(results != 0);
    const QRect resultsFrame = x.FrameGeometry(results);
    QVERIFY2(centredOn(resultsFrame, QRectF(boardFrame).center()),
             qPrintable(QDebug::toString(resultsFrame) + QDebug::toString(boardFrame)));
}

void RealWindowTest::clickActsOnTheCellUnderAStillPointer_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("New Game's OK clicked") << "setup";
    QTest::newRow("Results' Cancel clicked") << "results";
}

void RealWindowTest::clickActsOnTheCellUnderAStillPointer()
{
    QFETCH(QString, dialog);
    XSession x(true);
    SKIP_WITHOUT_X(x);
    const ScreenBoard board = StartOn(x, false);
    QVERIFY(!board.Origin.isNull());
    x.MoveTo(board.Centre(2));
    QThread::msleep(300);
    // The dialog's button is pressed with the mouse, which then rests over another cell.
    if (dialog == "setup") {
        x.Keys({"F2"});
        const unsigned long setup = x.FindWindow("Choose your playing style");
        QVERIFY(setup != 0);
        x.ClickAt(x.Geometry(setup).topLeft() + QPoint(80, 236));
    } else {
        x.Keys({"alt+g", "r"});
        const unsigned long results = x.FindWindow("Zorvane", 5000, board.Window);
        QVERIFY(results != 0);
        x.ClickAt(x.Geometry(results).topLeft() + QPoint(120, 236));
    }
    QThread::msleep(500);
    const QPoint at = x.Pointer() - board.Origin;
    const int column = (at.x() - geometry::GridOrigin) / geometry::BandWidth;
    const int row = (at.y() - geometry::GridOrigin) / geometry::BandWidth;
    QVERIFY2(at.x() >= geometry::GridOrigin && at.y() >= geometry::GridOrigin && column < 3 &&
                 row < 3 && row * 3 + column != 2,
             qPrintable(QDebug::toString(at)));
    x.ClickHere();
    EXPECT_ON_SCREEN(board, board.HasO(row * 3 + column), 2000);
    QVERIFY(board.Empty(2));
}

REAL_WINDOW_MAIN(RealWindowTest)
#include "tst_realwindow.moc"
