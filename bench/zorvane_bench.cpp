// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// Prints Zorvane's figures: idle wake-ups of the real program, the cost of the computer's
// choice and of the line check, and the real lengths of the pause and the banner's ticks.
#include "Find.h"
#include "XSession.h"

#include "board/BoardGeometry.h"
#include "board/Computer.h"
#include "board/Round.h"
#include "board/RoundFlow.h"
#include "board/frmKelto.h"
#include "platform/Pause.h"
#include "setup/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <vector>

namespace geometry = zorvane::geometry;

using namespace zorvane;

namespace {

// Context switches of every thread of a process, from /proc.
long ContextSwitches(qint64 pid)
{
    long total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + "/status"));
        if (!status.open(QIODevice::ReadOnly)) {
            continue;
        }
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.contains("ctxt_switches:")) {
                total += line.split(':').last().trimmed().toLong();
            }
        }
    }
    return total;
}

double SwitchesPerSecond(qint64 pid, int seconds)
{
    const long before = ContextSwitches(pid);
    QThread::sleep(static_cast<unsigned long>(seconds));
    return static_cast<double>(ContextSwitches(pid) - before) / seconds;
}

void IdleFigures()
{
    XSession x;
    if (!x.Problem().isEmpty()) {
        std::printf("idle wake-ups: not measured (%s)\n", qPrintable(x.Problem()));
        return;
    }
    constexpr int Window = 5;
    x.StartGame();
    x.FindWindow("Choose your playing style");
    QThread::msleep(1000);
    std::printf("context switches/s, setup dialog idle:   %6.1f\n",
                SwitchesPerSecond(x.GamePid(), Window));
    x.Keys({"alt+t"});
    QThread::msleep(400);
    x.Keys({"Return"});
    const unsigned long board = x.FindWindow("Zorvane");
    const QRect frame = x.Geometry(board);
    const QPoint origin = frame.topLeft() + QPoint(0, frame.height() - 290);
    QThread::msleep(1000);
    std::printf("context switches/s, board idle:          %6.1f\n",
                SwitchesPerSecond(x.GamePid(), Window));
    for (int round = 0; round < 5; ++round) {
        for (const int cell : {0, 4, 1, 5, 2}) {
            x.ClickAt(origin + QPoint(geometry::CellCentre(cell).X, geometry::CellCentre(cell).Y));
            QThread::msleep(150);
        }
        QThread::msleep(3400);
    }
    QThread::msleep(1000);
    std::printf("context switches/s, verdict on show:     %6.1f\n",
                SwitchesPerSecond(x.GamePid(), Window));
    x.RequestClose(board);
    x.GameEnds(3000);

    x.StartGame(QCoreApplication::applicationFilePath(), {"--literal-poll"});
    x.FindWindow("literal poll");
    QThread::msleep(1000);
    std::printf("context switches/s, a bare window with a literal 1 ms timer: %6.1f\n",
                SwitchesPerSecond(x.GamePid(), Window));
}

template <typename Step> double MicrosecondsPer(int repeats, Step step)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < repeats; ++i) {
        step(i);
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1000.0 / repeats;
}

void RuleFigures()
{
    // Positions where the computer moves: after every opening pair of marks.
    std::vector<BoardState> positions;
    for (int o = 0; o < 9; ++o) {
        for (int x = 0; x < 9; ++x) {
            for (int o2 = 0; o2 < 9; ++o2) {
                if (o == x || o2 == o || o2 == x) {
                    continue;
                }
                BoardState board;
                for (const auto& [cell, mark] :
                     {std::pair{o, Mark::O}, {x, Mark::X}, {o2, Mark::O}}) {
                    board.Marks[static_cast<std::size_t>(cell)] = mark;
                    board.CellTaken[static_cast<std::size_t>(cell)] = -1;
                }
                positions.push_back(board);
            }
        }
    }
    ClockRandom random;
    const double choice = MicrosecondsPer(200000, [&](int i) {
        BoardState board = positions[static_cast<std::size_t>(i) % positions.size()];
        ChooseComputerCell(board, random);
    });
    MatchRecord record;
    const double results = MicrosecondsPer(1000000, [&](int i) {
        BoardState board = positions[static_cast<std::size_t>(i) % positions.size()];
        record.RoundIndex = 0;
        Results(board, record);
    });
    std::printf("computer's choice (clock reseed, draw, 48 tests): %.3f us\n", choice);
    std::printf("Results (line check after a mark):                %.3f us\n", results);
}

void TimingFigures()
{
    MatchRecord record;
    ClockRandom random;
    std::vector<double> pauses;
    frmKelto board(
        record, random, [] {},
        [&pauses](std::chrono::milliseconds length) {
            QElapsedTimer clock;
            clock.start();
            platform::Sleep(length);
            pauses.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        });
    QTimer::singleShot(0, &board,
                       [&] { Find<QPushButton>(Find<frmMain>(&board, {}), "cmdOK")->click(); });
    board.Form_Load();
    board.show();
    board.Form_Activate();
    QWidget* client = Find(&board, "Client");
    for (const int cell : {4, 0, 8, 2, 6}) {
        const QPoint at(geometry::CellCentre(cell).X, geometry::CellCentre(cell).Y);
        QTest::mouseMove(client, QPoint(0, 0));
        QTest::mouseMove(client, at);
        QTest::mouseClick(client, Qt::LeftButton, {}, at);
    }
    double longest = 0;
    double sum = 0;
    for (const double pause : pauses) {
        longest = std::max(longest, pause);
        sum += pause;
    }
    std::printf(
        "pause before the computer's move: %.1f ms mean, %.1f ms longest over %zu (200 ms)\n",
        sum / static_cast<double>(pauses.size()), longest, pauses.size());

    // Finish the round if the moves above have not, then time the banner's ticks.
    for (int cell = 0; cell < 9 && board.Board().RoundOutcome == OutcomeInPlay; ++cell) {
        const QPoint at(geometry::CellCentre(cell).X, geometry::CellCentre(cell).Y);
        QTest::mouseMove(client, QPoint(0, 0));
        QTest::mouseMove(client, at);
        QTest::mouseClick(client, Qt::LeftButton, {}, at);
    }
    QElapsedTimer clock;
    clock.start();
    std::vector<double> ticks;
    QObject::connect(Find<QTimer>(&board, "Timer1"), &QTimer::timeout,
                     [&] { ticks.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6); });
    if (!QTest::qWaitFor([&] { return ticks.size() >= 6; }, 5000)) {
        std::printf("banner ticks: fewer than six within 5 s\n");
    }
    std::printf("banner ticks after the deciding mark (ms):");
    double previous = 0;
    for (const double tick : ticks) {
        std::printf(" %.1f (+%.1f)", tick, tick - previous);
        previous = tick;
    }
    std::printf("  (every 500 ms)\n");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "--literal-poll") {
        QApplication app(argc, argv);
        QWidget window;
        window.setWindowTitle("literal poll");
        window.show();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [] {});
        poll.start(1);
        return QApplication::exec();
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RuleFigures();
    TimingFigures();
    IdleFigures();
    return 0;
}
