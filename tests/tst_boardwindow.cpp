// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "Doubles.h"
#include "WindowDriver.h"

#include "board/BannerLabel.h"
#include "platform/BoardGround.h"
#include "platform/LineControl.h"
#include "platform/Placement.h"
#include "platform/ProgramInfo.h"
#include "results/frmResults.h"

#include <QAccessible>
#include <QAction>
#include <QCursor>
#include <QEnterEvent>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>

#include <thread>

using namespace zorvane;

namespace {

QString VisibleMarks(const frmKelto& board)
{
    QString marks;
    for (std::size_t i = 0; i < 9; ++i) {
        const bool o = Find(&board, "imgO", i)->isVisible();
        const bool x = Find(&board, "imgX", i)->isVisible();
        marks += o && x ? '!' : o ? 'O' : x ? 'X' : '.';
    }
    return marks;
}

QList<int> VisibleOverlays(const frmKelto& board)
{
    QList<int> shown;
    for (std::size_t i = 0; i < OverlayCount; ++i) {
        if (Find(&board, LineTable[i].OverlayName)->isVisible()) {
            shown << static_cast<int>(i);
        }
    }
    return shown;
}

} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void windowHasTheBoardLayout();
    void clicksAtLayoutPixelsPlaceMarksAndALineShowsItsOverlay();
    void bandEdgesDecideTheCellOfAClick();
    void pointerBackWithoutAMoveCountsAsAMove_data();
    void pointerBackWithoutAMoveCountsAsAMove();
    void computerAnswersAndDropsAClickQueuedUnderTheHourglass();
    void announcementClearsTheBoardAfterSixTicks();
    void realTimersRunAWholeAnnouncement();
    void verdictIsCentredInRedAndStays();
    void f2OpensNewGameOnlyWhileTheGameMenuIsEnabled();
    void newGameDuringAnAnnouncementEndsIt();
    void resultsOpenCentredOverTheBoardAndChangeNothing();
    void framesAreCentredInsideTheWorkArea_data();
    void framesAreCentredInsideTheWorkArea();
    void aboutShowsCaptionAndCopyright();
    void exitMenuEndsTheProgram();
    void boardKeepsALightGroundUnderADarkTheme();
    void screenReaderLearnsMarksLinesNamesAndRows();
};

void BoardWindowTest::windowHasTheBoardLayout()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    frmKelto& board = driver.board;
    QCOMPARE(board.windowTitle(), QString("Zorvane"));
    QCOMPARE(driver.client->size(), QSize(301, 290));
    QCOMPARE(driver.client->y(), board.menuBar()->height());
    QCOMPARE(board.minimumSize(), board.maximumSize());
    QVERIFY(board.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(board.windowFlags() & Qt::WindowMaximizeButtonHint));
    QList<QSize> iconSizes;
    for (const int size : {ZORVANE_ICON_SIZES}) {
        iconSizes << QSize(size, size);
    }
    QCOMPARE(board.windowIcon().availableSizes(), iconSizes);

    const QList<QAction*> menus = board.menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QString("&Game"));
    QCOMPARE(menus[1]->text(), QString("&Help"));
    QStringList game;
    for (const QAction* action : driver.Get<QMenu>("mnuGame")->actions()) {
        game << (action->isSeparator() ? "-" : action->text());
    }
    QCOMPARE(game, (QStringList{"&New Game", "&Results", "-", "E&xit"}));
    QCOMPARE(driver.Get<QAction>("mnuGameNew")->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(driver.Get<QAction>("mnuHelpAbout")->text(), QString("&About..."));

    QCOMPARE(driver.Get<QLabel>("imgO0")->geometry(), QRect(40, 45, 32, 32));
    QCOMPARE(driver.Get<QLabel>("imgX5")->geometry(), QRect(216, 130, 32, 32));
    QCOMPARE(driver.Get<QLabel>("imgO7")->geometry(), QRect(128, 220, 32, 32));
    QCOMPARE(driver.Get<LineControl>("Line4")->From(), QPoint(101, 24));
    QCOMPARE(driver.Get<LineControl>("Line1")->To(), QPoint(272, 190));
    QCOMPARE(driver.Get<LineControl>("lR")->From(), QPoint(273, 16));
    QCOMPARE(driver.Get<QLabel>("lblRound")->pos(), QPoint(0, 104));
    QCOMPARE(driver.Get<QLabel>("lblRound")->text(), QString("Next Round"));
    QCOMPARE(driver.Get<QLabel>("lblRound")->palette().color(QPalette::WindowText),
             QColor(255, 0, 0));
    QVERIFY(driver.Get<QLabel>("lblRound")->font().bold() &&
            driver.Get<QLabel>("lblRound")->font().italic());
    QCOMPARE(driver.Get<QLabel>("lblWin")->font().pointSizeF(), 27.75);
    if (QFile::exists("/usr/share/wine/fonts/tahomabd.ttf")) {
        QCOMPARE(QFontInfo(driver.Get<QLabel>("lblRound")->font()).family(), QString("Tahoma"));
        QVERIFY(QFontInfo(driver.Get<QLabel>("lblRound")->font()).bold());
    }

    QCOMPARE(VisibleMarks(board), QString("........."));
    QVERIFY(VisibleOverlays(board).isEmpty());
    QVERIFY(!driver.Get<QLabel>("lblRound")->isVisible() &&
            !driver.Get<QLabel>("lblWin")->isVisible());
    for (const char* line : {"Line1", "Line2", "Line3", "Line4"}) {
        QVERIFY(driver.Get(line)->isVisible());
    }
    QVERIFY(!driver.Get<QTimer>("Timer1")->isActive());
}

void BoardWindowTest::clicksAtLayoutPixelsPlaceMarksAndALineShowsItsOverlay()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    driver.ClickCells({0, 4, 1, 5});
    QCOMPARE(VisibleMarks(driver.board), QString("OO..XX..."));
    driver.ClickAt(BoardDriver::CellCentre(4)); // taken
    QCOMPARE(VisibleMarks(driver.board), QString("OO..XX..."));
    driver.ClickCells({2});
    QCOMPARE(VisibleMarks(driver.board), QString("OOO.XX..."));
    QCOMPARE(VisibleOverlays(driver.board), QList<int>{int(Overlay::l1)});
    QCOMPARE(driver.record.RoundScoreOne[0], 1);
    driver.ClickCells({6, 7});
    QCOMPARE(VisibleMarks(driver.board), QString("OOO.XX..."));
}

void BoardWindowTest::bandEdgesDecideTheCellOfAClick()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    driver.ClickAt({19, 150});
    driver.ClickAt({150, 19});
    driver.ClickAt({275, 150});
    driver.ClickAt({150, 275});
    QCOMPARE(VisibleMarks(driver.board), QString("........."));
    driver.ClickAt({20, 20});   // cell 0
    driver.ClickAt({105, 104}); // cell 1
    driver.ClickAt({274, 189}); // cell 5
    driver.ClickAt({190, 274}); // cell 8
    driver.ClickAt({104, 105}); // cell 3
    QCOMPARE(VisibleMarks(driver.board), QString("OX.O.O..X"));
}

void BoardWindowTest::pointerBackWithoutAMoveCountsAsAMove_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("entering after a menu closed") << "enter";
    QTest::newRow("the results dialog closed") << "results";
}

void BoardWindowTest::pointerBackWithoutAMoveCountsAsAMove()
{
    QFETCH(QString, how);
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    QWidget* client = driver.client;
    QTest::mouseMove(client, BoardDriver::CellCentre(2));
    const QPoint cell6 = BoardDriver::CellCentre(6);
    if (how == "enter") {
        QEnterEvent enter(cell6, client->mapTo(&driver.board, cell6), client->mapToGlobal(cell6));
        QCoreApplication::sendEvent(client, &enter);
    } else {
        // The pointer is moved while the dialog blocks the board, so the board sees no move.
        QTimer::singleShot(0, [client, cell6] {
            QCursor::setPos(client->mapToGlobal(cell6));
            QCoreApplication::processEvents();
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        driver.Get<QAction>("mnuResults")->trigger();
    }
    QTest::mouseClick(client, Qt::LeftButton, {}, cell6);
    QCOMPARE(VisibleMarks(driver.board), QString("......O.."));
}

void BoardWindowTest::computerAnswersAndDropsAClickQueuedUnderTheHourglass()
{
    ScriptedRandom random({DrawFor(6)});
    BoardDriver driver(random);
    QVERIFY(driver.Start(true));
    QWidget* client = driver.client;
    // A second click, on cell 2, and a screen reader's on cell 0, arrive while the computer
    // pauses; neither may place an O once the X is down.
    const QPointF at = BoardDriver::CellCentre(2);
    const QPointF global = client->mapToGlobal(at);
    std::thread impatient([client, at, global] {
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        QMetaObject::invokeMethod(
            client,
            [client] {
                QAccessible::queryAccessibleInterface(client)
                    ->child(0)
                    ->actionInterface()
                    ->doAction("click");
            },
            Qt::QueuedConnection);
        QCoreApplication::postEvent(
            client, new QMouseEvent(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, {}));
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                client, new QMouseEvent(type, at, global, Qt::LeftButton, Qt::LeftButton, {}));
        }
    });
    driver.ClickCells({4});
    impatient.join();
    QCoreApplication::processEvents();
    QCOMPARE(VisibleMarks(driver.board), QString("....O.X.."));
    QCOMPARE(driver.board.Board().MoveCount, std::int16_t{2});
    QCOMPARE(driver.board.Board().Turn, std::int16_t{0});
    QCOMPARE(QApplication::overrideCursor(), nullptr); // the hourglass is gone
    QCOMPARE(driver.board.Board().HoverColumn, 2);     // the pointer's move still counts
    driver.ClickAt(at.toPoint());
    QCOMPARE(VisibleMarks(driver.board), QString("X.O.O.X.."));
}

void BoardWindowTest::announcementClearsTheBoardAfterSixTicks()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    frmKelto& board = driver.board;
    driver.ClickCells({0, 3, 1, 4, 2});
    QVERIFY(!driver.Get<QTimer>("Timer1")->isActive());
    QVERIFY(driver.Get<QMenu>("mnuGame")->isEnabled());
    // The watcher's turn of the event loop. (Qt 6.8's QTRY_ macros convert their chrono steps
    // to int in the caller's code, which -Wconversion rejects.)
    QVERIFY(QTest::qWaitFor([&] { return driver.Get<QTimer>("Timer1")->isActive(); }));
    for (int tick = 1; tick <= 5; ++tick) {
        board.Timer1_Timer();
        // It blinks by painting: shown, and so told to a screen reader, once.
        QVERIFY(driver.Get<QLabel>("lblRound")->isVisible());
        QCOMPARE(driver.Get<BannerLabel>("lblRound")->Lit(), tick % 2 == 1);
        QVERIFY(!driver.Get<QMenu>("mnuGame")->isEnabled() &&
                !driver.Get<QMenu>("mnuHelp")->isEnabled());
        QCOMPARE(VisibleOverlays(board), QList<int>{int(Overlay::l1)});
        driver.ClickCells({5});
        QCOMPARE(VisibleMarks(board), QString("OOOXX...."));
    }
    board.Timer1_Timer();
    QCOMPARE(VisibleMarks(board), QString("........."));
    QVERIFY(VisibleOverlays(board).isEmpty());
    QVERIFY(!driver.Get<QLabel>("lblRound")->isVisible());
    QVERIFY(driver.Get<QMenu>("mnuGame")->isEnabled() && driver.Get<QMenu>("mnuHelp")->isEnabled());
    QVERIFY(!driver.Get<QTimer>("Timer1")->isActive());
    driver.ClickCells({8});
    QCOMPARE(VisibleMarks(board), QString("........O"));
}

void BoardWindowTest::realTimersRunAWholeAnnouncement()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    frmKelto& board = driver.board;
    int bannerShowings = 0;
    bool wasShown = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        const auto* banner = driver.Get<BannerLabel>("lblRound");
        const bool lit = banner->isVisible() && banner->Lit();
        if (lit && !wasShown) {
            ++bannerShowings;
        }
        wasShown = lit;
    });
    watch.start(20);
    driver.ClickCells({0, 1, 2, 4, 3, 5, 7, 6, 8}); // a drawn round
    QElapsedTimer clock;
    clock.start();
    QVERIFY(QTest::qWaitFor([&] { return VisibleMarks(board) == "........."; }));
    const auto elapsed = clock.elapsed();
    QVERIFY2(elapsed > 2700 && elapsed < 4500, qPrintable(QString::number(elapsed)));
    QCOMPARE(bannerShowings, 3);
    QVERIFY(!driver.Get<QTimer>("Timer1")->isActive());
}

void BoardWindowTest::verdictIsCentredInRedAndStays()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false, "Ann", "Bob"));
    frmKelto& board = driver.board;
    driver.PlayMatch({0, 3, 1, 4, 2});
    QVERIFY(driver.Get<QLabel>("lblWin")->isVisible());
    QCOMPARE(driver.Get<QLabel>("lblWin")->text(), QString("Ann Win."));
    QCOMPARE(driver.Get<QLabel>("lblWin")->size(), driver.Get<QLabel>("lblWin")->sizeHint());
    const QRect verdict = driver.Get<QLabel>("lblWin")->geometry();
    QVERIFY(qAbs(verdict.center().x() - 150) <= 1);
    QVERIFY(qAbs(verdict.center().y() - 144) <= 1);
    QVERIFY(!driver.Get<QLabel>("lblRound")->isVisible());
    QVERIFY(driver.Get<QMenu>("mnuGame")->isEnabled());
    QCOMPARE(VisibleOverlays(board), QList<int>{int(Overlay::l1)});
    driver.ClickCells({5, 6});
    QCoreApplication::processEvents();
    QVERIFY(!driver.Get<QTimer>("Timer1")->isActive());
    QVERIFY(!driver.Get<QTimer>("Timer2")->isActive());
    QCOMPARE(VisibleMarks(board), QString("OOOXX...."));
}

void BoardWindowTest::f2OpensNewGameOnlyWhileTheGameMenuIsEnabled()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    frmKelto& board = driver.board;
    board.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    driver.ClickCells({0, 3, 1, 4, 2});
    driver.FinishAnnouncement(1);
    QVERIFY(!driver.Get<QMenu>("mnuGame")->isEnabled());
    bool setupShown = false;
    const auto watchForSetup = [&] {
        QTimer::singleShot(0, &board, [&] {
            setupShown = driver.Setup()->isVisible();
            if (setupShown) {
                Find<QPushButton>(driver.Setup(), "cmdOK")->click();
            }
        });
    };
    watchForSetup();
    QTest::keyClick(&board, Qt::Key_F2);
    QCoreApplication::processEvents();
    QVERIFY(!setupShown);
    QCOMPARE(driver.record.RoundIndex, 1);

    driver.FinishAnnouncement(5);
    QVERIFY(driver.Get<QMenu>("mnuGame")->isEnabled());
    watchForSetup();
    QTest::keyClick(&board, Qt::Key_F2);
    QVERIFY(setupShown);
    QCOMPARE(driver.record.RoundIndex, 0);
}

void BoardWindowTest::newGameDuringAnAnnouncementEndsIt()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    frmKelto& board = driver.board;
    driver.ClickCells({0, 3, 1, 4, 2});
    const QTimer* timer1 = driver.Get<QTimer>("Timer1");
    QVERIFY(QTest::qWaitFor([&] { return timer1->isActive(); }));
    // The announcement ticks on behind the setup dialog.
    QTimer::singleShot(0, &board, [&] {
        driver.FinishAnnouncement(3);
        QVERIFY(board.Board().BannerTicks >= 3);
        Find<QPushButton>(driver.Setup(), "cmdOK")->click();
    });
    driver.Get<QAction>("mnuGameNew")->trigger();
    QCOMPARE(board.Board().BannerTicks, 0);
    QVERIFY(!timer1->isActive());
    QVERIFY(!driver.Get<QLabel>("lblRound")->isVisible());
    QVERIFY(driver.Get<QMenu>("mnuGame")->isEnabled() && driver.Get<QMenu>("mnuHelp")->isEnabled());
    driver.ClickCells({4});
    // Nothing left running could clear the new mark.
    QCoreApplication::processEvents();
    QVERIFY(!timer1->isActive());
    QCOMPARE(VisibleMarks(board), QString("....O...."));
    QCOMPARE(driver.record.RoundIndex, 0);
}

void BoardWindowTest::resultsOpenCentredOverTheBoardAndChangeNothing()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false, "Ann", "Bob"));
    driver.ClickCells({0, 3, 1, 4, 2});
    QRect shown;
    QString heading;
    QTimer::singleShot(0, [&] {
        auto* results = qobject_cast<frmResults*>(QApplication::activeModalWidget());
        QVERIFY(results != nullptr);
        shown = results->frameGeometry();
        heading = Find<QLabel>(results, "lblPlayer1")->text() + "|" +
                  Find<QLabel>(results, "lblS10")->text();
        QTest::keyClick(results, Qt::Key_Escape);
    });
    driver.Get<QAction>("mnuResults")->trigger();
    QCOMPARE(heading, QString("Ann|1"));
    QVERIFY((shown.center() - driver.board.frameGeometry().center()).manhattanLength() <= 4);
    QCOMPARE(VisibleMarks(driver.board), QString("OOOXX...."));
    QCOMPARE(driver.record.RoundIndex, 1);
}

// Offscreen windows have no frames, where Qt's own dialog placement gives the same place; the
// frame-included maths is checked here, and on a real window manager by the real-window tests.
void BoardWindowTest::framesAreCentredInsideTheWorkArea_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QPoint>("frameAt");
    QTest::newRow("centred, frame included")
        << QSize(301, 309) << QPoint(399, 299) << QPoint(248, 135);
    QTest::newRow("kept left of the right edge")
        << QSize(301, 309) << QPoint(790, 299) << QPoint(497, 135);
    QTest::newRow("kept below a top panel")
        << QSize(301, 309) << QPoint(399, 40) << QPoint(248, 24);
    QTest::newRow("too big: title bar first")
        << QSize(900, 700) << QPoint(399, 299) << QPoint(0, 24);
}

void BoardWindowTest::framesAreCentredInsideTheWorkArea()
{
    QFETCH(QSize, client);
    QFETCH(QPoint, centre);
    QFETCH(QPoint, frameAt);
    const QRect workArea(0, 24, 800, 576); // below a 24 px panel
    QCOMPARE(platform::CentredFrame(client, QMargins(1, 20, 1, 1), centre, workArea), frameAt);
}

void BoardWindowTest::aboutShowsCaptionAndCopyright()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        box->accept();
    });
    driver.Get<QAction>("mnuHelpAbout")->trigger();
    QCOMPARE(title, QString("Zorvane"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(text, "Zorvane\r\n\r\n" + platform::CopyrightNotice());
    QVERIFY(platform::CopyrightNotice().startsWith("Copyright"));
    QCOMPARE(VisibleMarks(driver.board), QString("........."));
}

void BoardWindowTest::exitMenuEndsTheProgram()
{
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    driver.Get<QAction>("mnuGameExit")->trigger();
    QCOMPARE(driver.endCalls, 1);
    QVERIFY(!driver.board.isVisible());
}

void BoardWindowTest::boardKeepsALightGroundUnderADarkTheme()
{
    const QPalette theme = QApplication::palette();
    QPalette dark = theme;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    QApplication::setPalette(dark);
    BoardDriver driver;
    QVERIFY(driver.Start(false));
    const QColor ground = driver.client->grab().toImage().pixelColor(150, 150);
    const QColor menus = driver.board.menuBar()->palette().color(QPalette::Window);
    QApplication::setPalette(theme);
    QCoreApplication::processEvents();
    // Known values anchor the contrast maths.
    QCOMPARE(platform::ContrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(platform::ContrastRatio(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35)), 1.0);
    QCOMPARE(qRound(platform::ContrastRatio(QColor(255, 0, 0), Qt::white) * 100), 400);
    QVERIFY2(platform::ContrastRatio(ground, Qt::black) >= 7.0, qPrintable(ground.name()));
    QVERIFY2(platform::ContrastRatio(ground, QColor(255, 0, 0)) >= 3.0, qPrintable(ground.name()));
    QCOMPARE(menus, QColor(0x35, 0x35, 0x35)); // the menus follow the theme
    // A light theme keeps its own colour.
    QCOMPARE(driver.client->palette().color(QPalette::Window), theme.color(QPalette::Window));
}

void BoardWindowTest::screenReaderLearnsMarksLinesNamesAndRows()
{
    const auto named = [](QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    BoardDriver driver;
    QVERIFY(driver.Start(false, "Ann", "Bob"));
    frmKelto& board = driver.board;
    driver.ClickCells({0, 4, 1, 8, 2});
    // The marks are read through the cells, the board's first nine children.
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(driver.client);
    QCOMPARE(area->child(0)->text(QAccessible::Name), QString("top left, O"));
    QCOMPARE(area->child(4)->text(QAccessible::Name), QString("centre, X"));
    QCOMPARE(area->child(3)->text(QAccessible::Name), QString("middle left, empty"));
    QVERIFY(QAccessible::queryAccessibleInterface(driver.Get<QLabel>("imgX0"))->state().invisible);
    QCOMPARE(named(driver.Get<LineControl>("l1")), QString("Winning line: top row"));
    QCOMPARE(QAccessible::queryAccessibleInterface(driver.Get<LineControl>("l1"))->role(),
             QAccessible::Graphic);

    const frmMain* setup = driver.Setup();
    QCOMPARE(named(Find(setup, "txtOne")), Find<QLabel>(setup, "lblOne")->text());
    QCOMPARE(named(Find(setup, "txtPlayer2")), Find<QLabel>(setup, "lblPlayer2")->text());

    driver.FinishAnnouncement();
    // A cell's action plays it as a click does, and is dropped where a click would be: under a
    // modal dialog.
    const auto press = [&](int cell) { area->child(cell)->actionInterface()->doAction("click"); };
    {
        frmResults modal(driver.record, &board);
        modal.setModal(true);
        modal.show();
        press(6);
    }
    press(3);
    driver.ClickCells({0, 4, 1, 5});
    QCOMPARE(VisibleMarks(board), QString("XX.OOO..."));
    frmResults results(driver.record, &board);
    results.show();
    QVERIFY(QTest::qWaitForWindowExposed(&results));
    // Read in order: headings, each round and the totals with the names, then the button.
    QStringList read;
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&results);
    for (int i = 0; i < dialog->childCount(); ++i) {
        QAccessibleInterface* child = dialog->child(i);
        if (!child->state().invisible && !child->text(QAccessible::Name).isEmpty()) {
            read << child->text(QAccessible::Name);
        }
    }
    QCOMPARE(read, (QStringList{"Ann", "Bob", "Round 1: Ann 1,", "Bob 0", "Round 2: Ann 1,",
                                "Bob 0", "Total: Ann 2,", "Bob 0", "Cancel"}));
}

QTEST_MAIN(BoardWindowTest)
#include "tst_boardwindow.moc"
