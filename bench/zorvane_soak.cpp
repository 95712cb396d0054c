// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// A long run of the real program under a window manager, played by a seeded random player
// (clicks in and out of the board, menus, dialogs, drags, focus changes) for some minutes. It
// stops at the first thing lost: the program gone, no window of its for 20 s, About not opening
// within 20 s, or the board showing marks no alternating game can hold. It prints the events
// made and the program's memory at the start and the end. Run by bench/soak.
//   zorvane_soak [--seed N] [--minutes M] [--wm "metacity --composite"] [--game "COMMAND"]
#include "ScreenBoard.h"
#include "XSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QThread>

#include <X11/Xlib.h>

#include <algorithm>
#include <array>
#include <cstdio>

namespace geometry = zorvane::geometry;

namespace {

const QString SetupTitle = QStringLiteral("Choose your playing style");
const QString BoardTitle = QStringLiteral("Zorvane");

struct Memory {
    qint64 Pid = 0;
    QString Name;
    long RssKiB = 0;
    long PeakKiB = 0;
};

// Status fields of a process in kB, by name.
QHash<QByteArray, long> ProcessStatus(qint64 pid)
{
    QHash<QByteArray, long> fields;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0) {
                fields.insert(line.left(colon),
                              line.mid(colon + 1).trimmed().split(' ')[0].toLong());
            }
        }
    }
    return fields;
}

// The largest process started under `root`: the game itself, or under Wine the Windows
// program that wine-run starts.
Memory GameMemory(qint64 root)
{
    if (root <= 0) {
        return {0, QStringLiteral("gone"), 0, 0}; // no process to read
    }
    QHash<qint64, QList<qint64>> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!number || !stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        // The parent is the second field after the name, which may hold spaces.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (after.size() > 1) {
            children[after[1].toLongLong()].append(pid);
        }
    }
    Memory largest;
    QList<qint64> waiting{root};
    while (!waiting.isEmpty()) {
        const qint64 pid = waiting.takeFirst();
        waiting += children.value(pid);
        const QHash<QByteArray, long> status = ProcessStatus(pid);
        if (status.value("VmRSS") > largest.RssKiB) {
            QFile name(QStringLiteral("/proc/%1/comm").arg(pid));
            largest = {pid,
                       name.open(QIODevice::ReadOnly)
                           ? QString::fromLocal8Bit(name.readAll()).trimmed()
                           : QString(),
                       status.value("VmRSS"), status.value("VmHWM")};
        }
    }
    return largest;
}

void PrintMemory(const char* when, const Memory& memory)
{
    std::printf("memory at %s: %s (pid %lld) RSS %ld KiB, peak %ld KiB\n", when,
                qPrintable(memory.Name), static_cast<long long>(memory.Pid), memory.RssKiB,
                memory.PeakKiB);
}

class Soak {
  public:
    Soak(XSession& x, quint32 seed)
        : X(x), Random(seed), Connection(XOpenDisplay(x.DisplayName().toLatin1().constData()))
    {
    }
    ~Soak()
    {
        if (Connection != nullptr) {
            XCloseDisplay(Connection);
        }
    }
    Soak(const Soak&) = delete;
    Soak& operator=(const Soak&) = delete;

    // Plays until `minutes` have passed or something is lost; the findings say what.
    void Run(double minutes);
    [[nodiscard]] long EventCount() const { return Events; }
    [[nodiscard]] const QStringList& Findings() const { return Found; }
    // The events by what was on the screen when they were made.
    [[nodiscard]] QString Made() const
    {
        return QStringLiteral("%1 on the setup dialog, %2 on a dialog over the board, %3 on the "
                              "board, %4 on an open menu, %5 About probes")
            .arg(Counts[0])
            .arg(Counts[1])
            .arg(Counts[2])
            .arg(Counts[3])
            .arg(Counts[4]);
    }
    Memory Start;

  private:
    int Pick(int below) { return static_cast<int>(Random.bounded(below)); }
    QPoint Somewhere(const QRect& area)
    {
        return {area.x() + Pick(qMax(1, area.width())), area.y() + Pick(qMax(1, area.height()))};
    }
    // A point of the screen outside every frame, so that no frame button is ever clicked.
    QPoint Outside(const QList<QRect>& frames);
    // The title bar's middle, where no frame button is.
    static QPoint Title(const QRect& frame, const QRect& window)
    {
        return {frame.center().x(), (frame.top() + window.top()) / 2};
    }
    void DragTitle(unsigned long window);
    void OnSetup(unsigned long setup);
    void OnDialog(unsigned long dialog);
    void OnBoard();
    // Whether a menu the player opened is still open, and if so an answer to it.
    bool OnPopup();
    bool AboutAnswers();
    void CheckMarks();
    void Lost(const QString& what)
    {
        Found << QStringLiteral("%1 after %2 events").arg(what).arg(Events);
    }

    // Whether the board is on the screen, asked without the pause the session's window
    // search makes for a window it finds.
    bool BoardShown() const
    {
        XWindowAttributes attributes;
        return Board != 0 && Connection != nullptr &&
               XGetWindowAttributes(Connection, Board, &attributes) != 0 &&
               attributes.map_state == IsViewable;
    }

    XSession& X;
    QRandomGenerator Random;
    Display* Connection;
    unsigned long Board = 0;
    long Events = 0;
    // By what was on the screen: the setup dialog, a dialog over the board, the board, an open
    // menu; and About probes.
    std::array<long, 5> Counts{};
    QStringList Found;
};

QPoint Soak::Outside(const QList<QRect>& frames)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        const QPoint at = Somewhere({0, 0, 800, 600});
        if (std::none_of(frames.begin(), frames.end(), [&](const QRect& frame) {
                return frame.adjusted(-4, -4, 4, 4).contains(at);
            })) {
            return at;
        }
    }
    return {2, 598};
}

void Soak::DragTitle(unsigned long window)
{
    const QRect frame = X.FrameGeometry(window);
    const QRect inside = X.Geometry(window);
    if (inside.top() - frame.top() < 8) {
        return; // no title bar to hold
    }
    const QPoint from = Title(frame, inside);
    // Kept wholly on the screen, title bar and all.
    const QPoint to(frame.width() / 2 + Pick(qMax(1, 800 - frame.width())),
                    from.y() - frame.top() + Pick(qMax(1, 600 - frame.height())));
    X.Drag(from, to);
}

void Soak::OnSetup(unsigned long setup)
{
    const QRect inside = X.Geometry(setup);
    // Its Exit button ends the program: every other point of the dialog is fair.
    const QRect exitButton(inside.topLeft() + QPoint(170, 218), QSize(93, 37));
    switch (Pick(8)) {
    case 0:
    case 1: {
        QPoint at = Somewhere(inside);
        while (exitButton.contains(at)) {
            at = Somewhere(inside);
        }
        X.ClickAt(at);
        break;
    }
    case 2:
        X.Keys({QString(QChar(u'a' + Pick(26))), QString(QChar(u'a' + Pick(26)))});
        break;
    case 3:
        X.Keys({Pick(2) == 0 ? "alt+o" : "alt+t", "Tab"});
        break;
    case 4:
        DragTitle(setup);
        break;
    case 5:
        X.ClickAt(Outside({X.FrameGeometry(setup), X.FrameGeometry(Board)}));
        break;
    default:
        X.Focus(setup);
        X.Keys({Pick(2) == 0 ? "alt+o" : "alt+t"});
        QThread::msleep(400); // the access key clicks its option a moment later
        X.Keys({"Return"});
        break;
    }
}

void Soak::OnDialog(unsigned long dialog)
{
    switch (Pick(6)) {
    case 0:
        X.ClickAt(Somewhere(X.Geometry(dialog)));
        break;
    case 1:
        X.ClickAt(Outside({X.FrameGeometry(dialog)})); // on the board too, which it holds off
        break;
    case 2:
        DragTitle(dialog);
        break;
    case 3:
        X.Keys({"Escape"});
        break;
    default:
        X.Focus(dialog);
        X.Keys({"Return"});
        break;
    }
}

bool Soak::OnPopup()
{
    const QRect popup = X.PopupGeometry(0);
    if (popup.isNull()) {
        return false;
    }
    // The Game menu's Exit is its last item: only the top of a menu is clicked.
    if (Pick(2) == 0) {
        X.Keys({"Escape"});
    } else {
        X.ClickAt(
            Somewhere({popup.x() + 4, popup.y() + 3, popup.width() - 8, popup.height() * 2 / 5}));
    }
    return true;
}

void Soak::OnBoard()
{
    const QRect frame = X.FrameGeometry(Board);
    const QRect inside = X.Geometry(Board);
    const QPoint origin = inside.topLeft() + QPoint(0, inside.height() - geometry::ClientHeight);
    const ScreenBoard board{X, origin, Board};
    const QRect client(origin, QSize(geometry::ClientWidth, geometry::ClientHeight));
    const int action = Pick(100);
    if (action < 30) {
        board.Click(Pick(9));
    } else if (action < 40) {
        X.ClickAt(Somewhere(client));
    } else if (action < 47) {
        X.ClickAt(Outside({frame}));
    } else if (action < 55) {
        X.MoveTo(Somewhere(client.adjusted(-40, -40, 40, 40)));
    } else if (action < 59) {
        X.ClicksAt({board.Centre(Pick(9)), board.Centre(Pick(9))});
    } else if (action < 64) {
        X.Drag(board.Centre(Pick(9)), Somewhere(client.adjusted(-30, -30, 30, 30)));
    } else if (action < 67) {
        DragTitle(Board);
    } else if (action < 71) {
        X.Keys({"F2"});
    } else if (action < 75) {
        X.Keys({"alt+g", "r"});
    } else if (action < 78) {
        X.Keys({"alt+h", "a"});
    } else if (action < 81) {
        // The menu bar opens a menu, answered at the next event.
        X.ClickAt({inside.x() + 8 + Pick(60), inside.y() + Pick(qMax(1, origin.y() - inside.y()))});
    } else if (action < 86) {
        X.Focus(Board);
    } else if (action < 90) {
        X.Keys({QStringList{"Tab", "space", "Return", "Left", "Down", "Escape"}[Pick(6)]});
    } else {
        // Time for the computer's pause and the banners to run on their own.
        QThread::msleep(static_cast<unsigned long>(200 + Pick(1800)));
    }
}

void Soak::CheckMarks()
{
    const QRect inside = X.Geometry(Board);
    const ScreenBoard board{
        X, inside.topLeft() + QPoint(0, inside.height() - geometry::ClientHeight), Board};
    const QRect client(0, 0, geometry::ClientWidth, geometry::ClientHeight);
    // Read only where the screen shows the board as drawn, with nothing over it, no banner or
    // verdict in red across the cells, and still.
    if (!board.Shown() || board.RedArea(client).isValid()) {
        return;
    }
    const auto count = [&](int& o, int& x) {
        for (int cell = 0; cell < 9; ++cell) {
            const auto [left, top] = geometry::MarkCorner(cell);
            // A line down a column darkens a cell at its top and its centre, where an O and an
            // X are told apart: nothing can be read then.
            if (Dark(board.At(left + 16, top + 5)) && Dark(board.At(left + 15, top + 15))) {
                return false;
            }
            o += board.HasO(cell) ? 1 : 0;
            x += board.HasX(cell) ? 1 : 0;
        }
        return true;
    };
    int o = 0;
    int x = 0;
    int o2 = 0;
    int x2 = 0;
    if (!count(o, x)) {
        return;
    }
    QThread::msleep(300);
    if (count(o2, x2) && o == o2 && x == x2 && board.Shown() && qAbs(o - x) > 1) {
        board.Save(QStringLiteral("soak-marks-%1.png").arg(Events));
        Lost(QStringLiteral("the board shows %1 O and %2 X (soak-marks-%3.png)")
                 .arg(o)
                 .arg(x)
                 .arg(Events));
    }
}

bool Soak::AboutAnswers()
{
    QElapsedTimer clock;
    clock.start();
    // Its menus are off while a round is announced: asked again until they are back.
    while (clock.elapsed() < 20000) {
        X.Keys({"Escape"});
        X.Focus(Board);
        X.Keys({"alt+h", "a"});
        if (const unsigned long about = X.FindWindow(BoardTitle, 3000, Board)) {
            X.Focus(about);
            X.Keys({"Return"});
            return true;
        }
    }
    return false;
}

void Soak::Run(double minutes)
{
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer unseen;
    unseen.start();
    qint64 lastProbe = 0;
    const auto length = static_cast<qint64>(minutes * 60000);
    while (clock.elapsed() < length) {
        // Asked of the process itself: its state is updated only when it is waited for.
        if (X.GameEnds(0)) {
            Lost(QStringLiteral("the program ended"));
            return;
        }
        const unsigned long setup = X.FindWindow(SetupTitle, 0);
        const bool boardShown = BoardShown();
        const unsigned long dialog = Board != 0 ? X.FindWindow(BoardTitle, 0, Board) : 0;
        if (setup == 0 && !boardShown && dialog == 0) {
            if (Board == 0) {
                Board = X.FindWindow(BoardTitle, 0);
            }
            if (unseen.elapsed() > 20000) {
                Lost(QStringLiteral("no window of the program's for 20 s"));
                return;
            }
            QThread::msleep(100);
            continue;
        }
        unseen.restart();
        if (Start.Pid == 0 && Board != 0) {
            Start = GameMemory(X.GamePid());
        }
        ++Events;
        if (OnPopup()) {
            ++Counts[3];
            continue;
        }
        if (setup != 0) {
            ++Counts[0];
            OnSetup(setup);
        } else if (dialog != 0) {
            ++Counts[1];
            OnDialog(dialog);
        } else if (clock.elapsed() - lastProbe > 60000) {
            lastProbe = clock.elapsed();
            ++Counts[4];
            if (!AboutAnswers()) {
                Lost(QStringLiteral("About did not open within 20 s"));
                return;
            }
        } else {
            if (Events % 10 == 0) {
                CheckMarks();
                if (!Found.isEmpty()) {
                    return;
                }
            }
            ++Counts[2];
            OnBoard();
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    quint32 seed = 1;
    double minutes = 5;
    QString windowManager = QStringLiteral("metacity --composite");
    QString game;
    while (arguments.size() >= 2) {
        const QString option = arguments.takeFirst();
        const QString value = arguments.takeFirst();
        if (option == QLatin1String("--seed")) {
            seed = value.toUInt();
        } else if (option == QLatin1String("--minutes")) {
            minutes = value.toDouble();
        } else if (option == QLatin1String("--wm")) {
            windowManager = value;
        } else if (option == QLatin1String("--game")) {
            game = value;
        } else {
            arguments << option;
            break;
        }
    }
    if (!arguments.isEmpty() || minutes <= 0) {
        std::fprintf(
            stderr,
            "usage: zorvane_soak [--seed N] [--minutes M] [--wm COMMAND] [--game COMMAND]\n");
        return 2;
    }
    if (!game.isEmpty()) {
        qputenv("ZORVANE_GAME", game.toLocal8Bit());
    }
    XSession x(true, windowManager);
    if (!x.Problem().isEmpty()) {
        std::fprintf(stderr, "no X session: %s\n", qPrintable(x.Problem()));
        return 1;
    }
    if (!x.StartGame()) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    std::printf("seed %u, %.1f minutes, under %s\n", seed, minutes, qPrintable(windowManager));
    std::fflush(stdout);
    Soak soak(x, seed);
    QElapsedTimer clock;
    clock.start();
    soak.Run(minutes);
    const Memory end = GameMemory(x.GamePid());
    std::printf("events: %ld in %.1f minutes (%s)\n", soak.EventCount(),
                static_cast<double>(clock.elapsed()) / 60000.0, qPrintable(soak.Made()));
    PrintMemory("start", soak.Start);
    PrintMemory("end", end);
    for (const QString& finding : soak.Findings()) {
        std::printf("lost: %s\n", qPrintable(finding));
    }
    std::printf("%s\n", soak.Findings().isEmpty() ? "nothing lost" : "FAILED");
    return soak.Findings().isEmpty() ? 0 : 1;
}
