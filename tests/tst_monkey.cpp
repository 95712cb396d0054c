// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// Seeded random input through the real windows, checking the board's promises after every event.
// ZORVANE_MONKEY_SEED=<n> replays one seed; a failure prints its seed and a shortened event list.
#include "Doubles.h"
#include "WindowDriver.h"

#include "board/RoundFlow.h"
#include "platform/LineControl.h"
#include "results/frmResults.h"

#include <QLabel>
#include <QMenu>
#include <QMessageBox>

#include <random>

using namespace zorvane;

namespace {

enum class Kind { Move, Click, DoubleClick, F2, NewGame, Results, About, Tick1, Turn };

struct Event {
    Kind What;
    QPoint At;
    int Arg;
};

QString Describe(const Event& e)
{
    static const char* names[] = {"move",    "click", "dclick", "F2",  "newgame",
                                  "results", "about", "tick1",  "turn"};
    return QStringLiteral("%1(%2,%3;%4)")
        .arg(QLatin1String(names[static_cast<int>(e.What)]))
        .arg(e.At.x())
        .arg(e.At.y())
        .arg(e.Arg);
}

std::vector<Event> Generate(std::uint32_t seed, int count)
{
    std::mt19937 generator(seed);
    const auto pick = [&generator](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(generator);
    };
    std::vector<Event> events;
    for (int i = 0; i < count; ++i) {
        const int roll = pick(100);
        // Mostly pointer moves and clicks on and around the board.
        const QPoint at(pick(360) - 30, pick(350) - 30);
        Kind kind = roll < 35   ? Kind::Move
                    : roll < 70 ? Kind::Click
                    : roll < 74 ? Kind::DoubleClick
                    : roll < 76 ? Kind::F2
                    : roll < 77 ? Kind::NewGame
                    : roll < 78 ? Kind::Results
                    : roll < 79 ? Kind::About
                    : roll < 96 ? Kind::Tick1
                                : Kind::Turn;
        events.push_back({kind, at, pick(1000)});
    }
    return events;
}

class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint32_t seed) : Generator(seed) {}
    void Reseed() override {}
    float Draw() override { return static_cast<float>(Generator() >> 8) * 0x1p-24f; }

  private:
    std::mt19937 Generator;
};

QString Check(BoardDriver& driver)
{
    const frmKelto& board = driver.board;
    const BoardState& state = board.Board();
    const QWidget* client = driver.client;
    for (std::size_t i = 0; i < 9; ++i) {
        if (Find(&board, "imgO", i)->isVisibleTo(client) != (state.Marks[i] == Mark::O) ||
            Find(&board, "imgX", i)->isVisibleTo(client) != (state.Marks[i] == Mark::X)) {
            return QStringLiteral("picture of cell %1 differs from the board").arg(i);
        }
    }
    int overlays = 0;
    for (std::size_t i = 0; i < OverlayCount; ++i) {
        overlays += Find(&board, LineTable[i].OverlayName)->isVisibleTo(client);
    }
    if (overlays > 1) {
        return QStringLiteral("%1 overlays shown").arg(overlays);
    }
    if (!RecordHolds(driver.record)) {
        return QStringLiteral("record invariants broken");
    }
    if (driver.Get("lblWin")->isVisibleTo(client) && driver.record.RoundIndex != 5) {
        return QStringLiteral("verdict shown with %1 rounds").arg(driver.record.RoundIndex);
    }
    if (driver.Get<QTimer>("Timer1")->isActive() && state.RoundOutcome == OutcomeInPlay) {
        return QStringLiteral("announcement running with no finished round");
    }
    if (state.Turn != 0 && state.Turn != 1) {
        return QStringLiteral("Turn is %1").arg(state.Turn);
    }
    return {};
}

// Answers whatever modal window the event is about to open.
void AnswerModal(BoardDriver& driver, const Event& e)
{
    QTimer::singleShot(0, &driver.board, [&driver, e] {
        QWidget* modal = QApplication::activeModalWidget();
        driver.dialogsAnswered += modal != nullptr;
        if (auto* setup = qobject_cast<frmMain*>(modal)) {
            Find<QRadioButton>(setup, e.Arg % 2 ? "optTwo" : "optOne")->click();
            Find<QPushButton>(setup, "cmdOK")->click();
        } else if (auto* results = qobject_cast<frmResults*>(modal)) {
            Find<QPushButton>(results, "Command1")->click();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->accept();
        }
    });
}

QString Apply(BoardDriver& driver, const Event& e)
{
    frmKelto& board = driver.board;
    QWidget* client = driver.client;
    switch (e.What) {
    case Kind::Move:
        QTest::mouseMove(client, e.At);
        break;
    case Kind::Click:
        QTest::mouseMove(client, e.At);
        QTest::mouseClick(client, Qt::LeftButton, {}, e.At);
        break;
    case Kind::DoubleClick:
        QTest::mouseMove(client, e.At);
        QTest::mouseDClick(client, Qt::LeftButton, {}, e.At);
        break;
    case Kind::F2:
        AnswerModal(driver, e);
        QTest::keyClick(&board, Qt::Key_F2);
        break;
    case Kind::NewGame:
    case Kind::Results:
    case Kind::About:
        // Only what a user can reach: the menus are greyed while a result is announced.
        if (driver.Get<QMenu>("mnuGame")->isEnabled()) {
            AnswerModal(driver, e);
            driver
                .Get<QAction>(e.What == Kind::NewGame   ? "mnuGameNew"
                              : e.What == Kind::Results ? "mnuResults"
                                                        : "mnuHelpAbout")
                ->trigger();
        }
        break;
    case Kind::Tick1:
        if (driver.Get<QTimer>("Timer1")->isActive()) {
            board.Timer1_Timer();
        }
        break;
    case Kind::Turn:
        QCoreApplication::processEvents();
        break;
    }
    QCoreApplication::processEvents();
    return Check(driver);
}

struct Coverage {
    int Marks = 0;
    int Rounds = 0;
    int Verdicts = 0;
    int Dialogs = 0;
};

// Replays events on a fresh board; the index of the first failing event, or -1.
int Replay(std::uint32_t seed, const std::vector<Event>& events, QString* failure,
           Coverage* coverage = nullptr)
{
    SeededRandom random(seed);
    BoardDriver driver(random, [](std::chrono::milliseconds) {});
    // Only the scripted ticks count, so that a replay takes the same path at any speed.
    driver.Get<QTimer>("Timer1")->setInterval(24 * 3600 * 1000);
    if (!driver.Start(seed % 2 == 0)) {
        *failure = QStringLiteral("board did not start");
        return 0;
    }
    driver.board.activateWindow();
    for (std::size_t i = 0; i < events.size(); ++i) {
        const int marks = static_cast<int>(std::count(
            driver.board.Board().Marks.begin(), driver.board.Board().Marks.end(), Mark::None));
        const int rounds = driver.record.RoundIndex;
        const bool verdict = driver.board.Board().VerdictShown;
        const QString problem = Apply(driver, events[i]);
        if (coverage != nullptr) {
            const BoardState& now = driver.board.Board();
            coverage->Marks +=
                std::max(0, marks - static_cast<int>(std::count(now.Marks.begin(), now.Marks.end(),
                                                                Mark::None)));
            coverage->Rounds += driver.record.RoundIndex == rounds + 1;
            coverage->Verdicts += now.VerdictShown && !verdict;
            coverage->Dialogs += driver.dialogsAnswered;
            driver.dialogsAnswered = 0;
        }
        if (!problem.isEmpty()) {
            *failure = problem;
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<Event> Shrink(std::uint32_t seed, std::vector<Event> events)
{
    QString ignored;
    int budget = 150;
    for (std::size_t chunk = events.size() / 2; chunk >= 1 && budget > 0; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= events.size() && budget-- > 0;) {
            std::vector<Event> shorter(events.begin(), events.begin() + start);
            shorter.insert(shorter.end(), events.begin() + start + chunk, events.end());
            const int at = Replay(seed, shorter, &ignored);
            if (at >= 0) {
                events.assign(shorter.begin(), shorter.begin() + at + 1);
            } else {
                start += chunk;
            }
        }
    }
    return events;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void randomInputKeepsTheBoardTrue();
};

void MonkeyTest::randomInputKeepsTheBoardTrue()
{
    std::vector<std::uint32_t> seeds{20261207, 1, 2, 3};
    if (const QByteArray chosen = qgetenv("ZORVANE_MONKEY_SEED"); !chosen.isEmpty()) {
        seeds = {chosen.toUInt()};
    }
    const int perSeed = 40000 / static_cast<int>(seeds.size());
    int verdicts = 0;
    for (const std::uint32_t seed : seeds) {
        qInfo("monkey seed %u, %d events", seed, perSeed);
        const std::vector<Event> events = Generate(seed, perSeed);
        QString failure;
        Coverage coverage;
        const int at = Replay(seed, events, &failure, &coverage);
        if (at < 0) {
            qInfo("  %d marks, %d rounds scored, %d verdicts, %d dialogs answered", coverage.Marks,
                  coverage.Rounds, coverage.Verdicts, coverage.Dialogs);
            // A monkey that never finishes a round tests little.
            QVERIFY(coverage.Rounds > 20 && coverage.Dialogs > 10);
            verdicts += coverage.Verdicts;
            continue;
        }
        const std::vector<Event> shortest =
            Shrink(seed, std::vector<Event>(events.begin(), events.begin() + at + 1));
        QStringList steps;
        for (const Event& e : shortest) {
            steps << Describe(e);
        }
        QFAIL(qPrintable(QStringLiteral("seed %1: %2 after event %3; shortest: %4")
                             .arg(seed)
                             .arg(failure)
                             .arg(at)
                             .arg(steps.join(' '))));
    }
    QVERIFY(verdicts > 0 || seeds.size() == 1);
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
