// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// The real program on a real X server: real input in, screen pixels out, and every way of
// ending it. Skipped, and reported as skipped, where no X server can be started.
#include "XSession.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <functional>

namespace {

bool Dark(const QColor& c)
{
    return c.lightness() < 90;
}

bool Red(const QColor& c)
{
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

bool WaitFor(const std::function<bool()>& condition, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        QThread::msleep(25);
    }
    return true;
}

// The board as seen on the screen, in client-area coordinates.
struct ScreenBoard {
    XSession& X;
    QPoint Origin;
    unsigned long Window = 0;

    QColor At(int x, int y) const { return X.Pixel(Origin + QPoint(x, y)); }
    static QPoint Box(int cell)
    {
        return {std::array{40, 128, 216}[cell % 3], std::array{45, 130, 220}[cell / 3]};
    }
    bool HasO(int cell) const
    {
        const QPoint b = Box(cell);
        return Dark(At(b.x() + 16, b.y() + 5)) && !Dark(At(b.x() + 16, b.y() + 22));
    }
    bool HasX(int cell) const
    {
        const QPoint b = Box(cell);
        return Dark(At(b.x() + 15, b.y() + 15)) && !Dark(At(b.x() + 16, b.y() + 5));
    }
    bool Empty(int cell) const { return !HasO(cell) && !HasX(cell); }
    void Click(int cell) const
    {
        X.ClickAt(Origin + QPoint(62 + 85 * (cell % 3), 62 + 85 * (cell / 3)));
    }
    QRect RedArea(QRect area) const
    {
        const QImage image = X.Grab(area.translated(Origin));
        QRect found;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (Red(image.pixelColor(x, y))) {
                    found |= QRect(area.x() + x, area.y() + y, 1, 1);
                }
            }
        }
        return found;
    }
    // Saved beside the test's working directory when a check fails, to look at.
    void Save(const QString& name) const { X.Grab({Origin, QSize(301, 290)}).save(name); }
};

} // namespace

// Waits for a condition on the screen; on failure saves what the board showed.
#define EXPECT_ON_SCREEN(board, condition, ms)                                                     \
    do {                                                                                           \
        if (!WaitFor([&] { return condition; }, ms)) {                                             \
            (board).Save(QStringLiteral("realwindow-%1.png").arg(__LINE__));                       \
            QFAIL(qPrintable(QStringLiteral("not on screen: %1 (see realwindow-%2.png)")           \
                                 .arg(QLatin1String(#condition))                                   \
                                 .arg(__LINE__)));                                                 \
        }                                                                                          \
    } while (false)

class RealWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void boardPixelsFollowTheLayoutThroughAMatch();
    void clickUnderTheHourglassIsDropped();
    void hourglassShowsOnlyDuringTheComputersPause();
    void everyWayOfEndingEndsTheProcess_data();
    void everyWayOfEndingEndsTheProcess();
    void windowsAreCentredFrameIncluded();
    void clickActsOnTheCellUnderAStillPointer_data();
    void clickActsOnTheCellUnderAStillPointer();
    void startupFailureSaysItsCause_data();
    void startupFailureSaysItsCause();

  private:
    ScreenBoard StartOn(XSession& x, bool onePlayer);
};

ScreenBoard RealWindowTest::StartOn(XSession& x, bool onePlayer)
{
    x.StartGame();
    if (!x.FindWindow("Choose your playing style")) {
        return {x, {}};
    }
    // An access key clicks its option a moment later; OK must wait for it.
    x.Keys({onePlayer ? "alt+o" : "alt+t"});
    QThread::msleep(400);
    x.Keys({"Return"});
    const unsigned long board = x.FindWindow("Zorvane");
    x.Focus(board);
    const QRect frame = x.Geometry(board);
    return {x, frame.topLeft() + QPoint(0, frame.height() - 290), board};
}

void RealWindowTest::boardPixelsFollowTheLayoutThroughAMatch()
{
    XSession x;
    if (!x.Problem().isEmpty()) {
        QSKIP(qPrintable("no X server: " + x.Problem()));
    }
    const ScreenBoard board = StartOn(x, false);
    QVERIFY(!board.Origin.isNull());
    // The grid: 5 px rules centred on their coordinates, nothing between them.
    for (const QPoint on :
         {QPoint(101, 150), QPoint(99, 60), QPoint(103, 260), QPoint(186, 150), QPoint(150, 104),
          QPoint(60, 102), QPoint(150, 190), QPoint(260, 192)}) {
        QVERIFY2(Dark(board.At(on.x(), on.y())),
                 qPrintable(QString("grid at %1,%2").arg(on.x()).arg(on.y())));
    }
    for (const QPoint off : {QPoint(96, 150), QPoint(106, 150), QPoint(150, 98), QPoint(150, 150),
                             QPoint(20, 104), QPoint(101, 20), QPoint(280, 190)}) {
        QVERIFY2(!Dark(board.At(off.x(), off.y())),
                 qPrintable(QString("gap at %1,%2").arg(off.x()).arg(off.y())));
    }
    for (int cell = 0; cell < 9; ++cell) {
        QVERIFY(board.Empty(cell));
    }
    for (int round = 0; round < 5; ++round) {
        board.Click(0);
        EXPECT_ON_SCREEN(board, board.HasO(0), 2000);
        board.Click(4);
        EXPECT_ON_SCREEN(board, board.HasX(4), 2000);
        for (const int cell : {1, 5, 2}) {
            board.Click(cell);
        }
        EXPECT_ON_SCREEN(board, board.HasO(2), 2000);
        // l1 crosses row 0 between the marks.
        QVERIFY(Dark(board.At(90, 60)) && Dark(board.At(270, 60)));
        QVERIFY(!Dark(board.At(90, 144)));
        if (round < 4) {
            EXPECT_ON_SCREEN(board, board.RedArea({0, 110, 300, 40}).isValid(), 2000);
            const QRect banner = board.RedArea({0, 100, 301, 70});
            QVERIFY2(banner.top() >= 104 && banner.bottom() <= 162,
                     qPrintable(QString::number(banner.top())));
            EXPECT_ON_SCREEN(board, board.Empty(0) && board.Empty(4), 4000);
            QVERIFY(!Dark(board.At(90, 60)));
        }
    }
    EXPECT_ON_SCREEN(board, board.RedArea({0, 0, 301, 290}).isValid(), 2000);
    QThread::msleep(300);
    const QRect verdict = board.RedArea({0, 0, 301, 290});
    QVERIFY2(qAbs(verdict.center().x() - 150) <= 6 && qAbs(verdict.center().y() - 145) <= 8,
             qPrintable(QString("verdict at %1,%2 %3x%4")
                            .arg(verdict.x())
                            .arg(verdict.y())
                            .arg(verdict.width())
                            .arg(verdict.height())));
    QThread::msleep(1200);
    QVERIFY(board.RedArea({0, 0, 301, 290}) == verdict); // it stays
    QVERIFY(board.HasO(0));                              // the last round's marks stay too
}

void RealWindowTest::clickUnderTheHourglassIsDropped()
{
    XSession x;
    if (!x.Problem().isEmpty()) {
        QSKIP(qPrintable("no X server: " + x.Problem()));
    }
    const ScreenBoard board = StartOn(x, true);
    QVERIFY(!board.Origin.isNull());
    // The second click comes a few milliseconds after the first, inside the computer's pause.
    const QPoint first = board.Origin + QPoint(62 + 85, 62 + 85);
    const QPoint second = board.Origin + QPoint(62 + 170, 62 + 170);
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

void RealWindowTest::hourglassShowsOnlyDuringTheComputersPause()
{
    XSession x;
    if (!x.Problem().isEmpty()) {
        QSKIP(qPrintable("no X server: " + x.Problem()));
    }
    const ScreenBoard board = StartOn(x, true);
    QVERIFY(!board.Origin.isNull());
    x.MoveTo(board.Origin + QPoint(150, 150));
    QThread::msleep(200);
    const QByteArray normal = x.CursorImage();
    QVERIFY(!normal.isEmpty());
    board.Click(4);
    // The pause lasts 200 ms from the moment the O is drawn.
    QList<QByteArray> seen;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 600) {
        seen << x.CursorImage();
        QThread::msleep(20);
    }
    QVERIFY2(seen.count(normal) < seen.size(), "the pointer never changed");
    QCOMPARE(seen.last(), normal);
    QVERIFY(board.HasO(4));
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
    XSession x;
    if (!x.Problem().isEmpty()) {
        QSKIP(qPrintable("no X server: " + x.Problem()));
    }
    QVERIFY(x.StartGame());
    const unsigned long setup = x.FindWindow("Choose your playing style");
    QVERIFY(setup != 0);
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
            if (how == "newgame-exit") {
                x.Keys({"alt+x"});
            } else {
                x.RequestClose(again);
            }
        }
    }
    QVERIFY2(x.GameEnds(2000), "the program is still running");
}

void RealWindowTest::windowsAreCentredFrameIncluded()
{
    XSession x(true);
    if (!x.Problem().isEmpty()) {
        QSKIP(qPrintable("no X server: " + x.Problem()));
    }
    const auto centredOn = [](QRect frame, QPointF centre) {
        const QPointF off = QRectF(frame).center() - centre;
        return qAbs(off.x()) <= 2 && qAbs(off.y()) <= 2;
    };
    const QPointF screen(400, 300); // Xvfb's 800 x 600
    QVERIFY(x.StartGame());
    const unsigned long setup = x.FindWindow("Choose your playing style");
    QVERIFY(setup != 0);
    const QRect setupFrame = x.FrameGeometry(setup);
    QVERIFY(setupFrame.height() > x.Geometry(setup).height()); // openbox framed it
    QVERIFY2(centredOn(setupFrame, screen), qPrintable(QDebug::toString(setupFrame)));
    x.Keys({"Return"});
    const unsigned long board = x.FindWindow("Zorvane");
    QVERIFY(board != 0);
    const QRect boardFrame = x.FrameGeometry(board);
    QVERIFY2(centredOn(boardFrame, screen), qPrintable(QDebug::toString(boardFrame)));
    x.Keys({"alt+g", "r"});
    const unsigned long results = x.FindWindow("Zorvane", 5000, board);
    QVERIFY(results != 0);
    const QRect resultsFrame = x.FrameGeometry(results);
    QVERIFY2(centredOn(resultsFrame, QRectF(boardFrame).center()),
             qPrintable(QDebug::toString(resultsFrame)));
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
    if (!x.Problem().isEmpty()) {
        QSKIP(qPrintable("no X server: " + x.Problem()));
    }
    const ScreenBoard board = StartOn(x, false);
    QVERIFY(!board.Origin.isNull());
    x.MoveTo(board.Origin + QPoint(232, 62)); // over cell 2
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
    const int column = (at.x() - 20) / 85;
    const int row = (at.y() - 20) / 85;
    QVERIFY2(at.x() >= 20 && at.y() >= 20 && column < 3 && row < 3 && row * 3 + column != 2,
             qPrintable(QDebug::toString(at)));
    x.ClickHere();
    EXPECT_ON_SCREEN(board, board.HasO(row * 3 + column), 2000);
    QVERIFY(board.Empty(2));
}

void RealWindowTest::startupFailureSaysItsCause_data()
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

void RealWindowTest::startupFailureSaysItsCause()
{
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

QTEST_APPLESS_MAIN(RealWindowTest)
#include "tst_realwindow.moc"
