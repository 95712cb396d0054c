// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// The game played as a blind player plays it: Orca, the screen reader, started first, and then
// only Orca's own keys. Its flat review finds each cell, KP_Divide clicks it, and what Orca says
// is read from its debug log. ZORVANE_ORCA_ROUNDS plays more rounds than the one of each row,
// up to the whole match; ZORVANE_ORCA_TRANSCRIPT=1 prints all that Orca said in each.
#include "ScreenBoard.h"
#include "SpokenRound.h"
#include "XSession.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>

#include <algorithm>

#include <signal.h>

namespace {

bool OrcaInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("orca")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("script")).isEmpty();
}

// Orca on a D-Bus session of its own, with a home of its own, so that no setting of the
// machine's reaches it; the game is started on the same session.
class Orca {
  public:
    explicit Orca(const XSession& x) : X(x)
    {
        if (!Log.open()) {
            Why = QStringLiteral("no log file");
            return;
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), x.DisplayName());
        environment.insert(QStringLiteral("HOME"), Home.path());
        // The accessibility bus, which the session starts on demand, puts its socket here.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Home.path());
        Bus.setProcessEnvironment(environment);
        Bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        if (!Bus.waitForReadyRead(10000)) {
            Why = QStringLiteral("no D-Bus session");
            return;
        }
        const QString address = QString::fromLatin1(Bus.readLine()).trimmed();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        // No speech: what Orca would say is in its log all the same.
        environment.insert(QStringLiteral("SPEECHD_CMD"), QStringLiteral("/bin/false"));
        Reader.setProcessEnvironment(environment);
        Reader.setStandardOutputFile(QProcess::nullDevice());
        // Orca writes its log in blocks, or line by line to a terminal: it is given one (by
        // script, which copies what it says into the log at once), so that each thing it says
        // is read as it says it.
        Reader.start(QStringLiteral("script"), {"--quiet", "--flush", "--command",
                                                "exec orca --debug-file=/dev/tty", Log.fileName()});
        // The game joins the session and makes itself known to it.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLatin1());
        qputenv("XDG_RUNTIME_DIR", Home.path().toLatin1());
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        if (!Hear(QStringLiteral("Screen reader on."), 30000)) {
            Why = QStringLiteral("Orca did not start: ") + Said();
        }
    }
    ~Orca()
    {
        if (qEnvironmentVariableIsSet("ZORVANE_ORCA_TRANSCRIPT")) {
            Log.setAutoRemove(false);
            qInfo().noquote() << "Orca's log:" << Log.fileName();
            Said();
            for (const QString& utterance : Transcript) {
                qInfo().noquote() << "Orca:" << utterance;
            }
        }
        // Only one Orca runs on a machine: the next test's waits for this one to end. Orca
        // heeds no signal but the last while it waits for events.
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(Reader.processId()));
        if (children.open(QIODevice::ReadOnly)) {
            for (const QByteArray& pid : children.readAll().split(' ')) {
                if (pid.toInt() > 0) {
                    kill(pid.toInt(), SIGKILL);
                }
            }
        }
        // script ends with it, and so has ended it for good: no zombie for the next Orca to
        // take for a running one.
        Reader.waitForFinished(5000);
        for (QProcess* process : {&Reader, &Bus}) {
            process->terminate();
            if (!process->waitForFinished(5000)) {
                process->kill();
                process->waitForFinished(3000);
            }
        }
    }
    Orca(const Orca&) = delete;
    Orca& operator=(const Orca&) = delete;

    [[nodiscard]] QString Problem() const { return Why; }

    // Presses one key, as xdotool names it, and waits until Orca has said `expected` since.
    bool Press(const QString& key, const QString& expected, int ms = 5000)
    {
        Forget();
        X.Keys({key});
        return Hear(expected, ms);
    }
    // Presses one key and returns what Orca said to it: all that came within a moment of the
    // first thing it said.
    QString Answer(const QString& key)
    {
        Forget();
        X.Keys({key});
        WaitFor([&] { return !Said().isEmpty(); }, 3000);
        QThread::msleep(150);
        return Said();
    }
    // Whether Orca, given a moment more, has said `expected` once since the last key, and no
    // other thing twice.
    bool SaidOnce(const QString& expected)
    {
        QThread::msleep(700);
        Said();
        return Utterances.join(QStringLiteral(" | ")).count(expected) == 1 &&
               QSet<QString>(Utterances.begin(), Utterances.end()).size() == Utterances.size();
    }
    // Waits until Orca has said `expected` since the last key.
    bool Hear(const QString& expected, int ms = 5000)
    {
        return WaitFor([&] { return Said().contains(expected); }, ms);
    }
    // Everything Orca said since the last key, one utterance after another.
    QString Said()
    {
        QFile log(Log.fileName());
        if (log.open(QIODevice::ReadOnly) && log.seek(Read)) {
            const QByteArray fresh = log.readAll();
            // A line still being written is read once it is whole.
            const qsizetype whole = fresh.lastIndexOf('\n') + 1;
            Read += whole;
            for (const QByteArray& bytes : fresh.left(whole).split('\n')) {
                static const QString Marker = QStringLiteral("SPEECH OUTPUT: ");
                const QString line = QString::fromUtf8(bytes);
                const qsizetype at = line.indexOf(Marker);
                if (at < 0) {
                    continue;
                }
                // Python's form of the text, in quotes, then its voice: {'established': ...}.
                static const QRegularExpression Quoted(
                    QStringLiteral("^(['\"])(.*?)\\1\\s*\\[?\\{"));
                const QRegularExpressionMatch text = Quoted.match(line.mid(at + Marker.size()));
                if (text.hasMatch()) {
                    Utterances << text.captured(2).trimmed();
                    Transcript << Utterances.last();
                }
            }
        }
        return Utterances.join(QStringLiteral(" | "));
    }
    void Forget()
    {
        Said();
        Utterances.clear();
    }

  private:
    const XSession& X;
    QTemporaryDir Home;
    QTemporaryFile Log{QDir::tempPath() + QStringLiteral("/orca-XXXXXX.log")};
    QProcess Bus;
    QProcess Reader;
    qint64 Read = 0;
    QStringList Utterances;
    QStringList Transcript;
    QString Why;
};

// The words a line of the board is reviewed by, cell by cell ("top left, O": three).
int WordsBefore(const Round& round, int cell)
{
    int words = 0;
    for (int before = cell - cell % 3; before < cell; ++before) {
        words += static_cast<int>(round.Name(before).count(' ')) + 1;
    }
    return words;
}

QString RowLine(const Round& round, int row)
{
    return round.Name(row * 3) + ' ' + round.Name(row * 3 + 1) + ' ' + round.Name(row * 3 + 2);
}

// Types a name over the focused box's text, a key at a time, each echoed before the next.
void TypeName(Orca& orca, const QString& name)
{
    QVERIFY(!orca.Answer(QStringLiteral("ctrl+a")).isEmpty());
    for (const QChar letter : name) {
        QVERIFY2(orca.Press(letter, letter), qPrintable("heard: " + orca.Said()));
    }
}

// Fails with what Orca said where it did not say what was expected.
#define EXPECT_SAID(orca, call) QVERIFY2(call, qPrintable("heard: " + (orca).Said()))

} // namespace

class OrcaTest : public QObject {
    Q_OBJECT

  private slots:
    void playedByFlatReview_data();
    void playedByFlatReview();

  private:
    // Answers the setup dialog by Orca's keys and the keyboard alone.
    static void ChooseStyle(Orca& orca, zorvane::MatchRecord& record, bool onePlayer);
    // Enters flat review, reads the board's three rows, finds the cell and clicks it.
    static void ClickByReview(Orca& orca, const Round& round, int cell);
    static void PlayRound(Orca& orca, zorvane::MatchRecord& record);
};

void OrcaTest::ChooseStyle(Orca& orca, zorvane::MatchRecord& record, bool onePlayer)
{
    QVERIFY2(orca.Hear(QStringLiteral("Choose your playing style dialog"), 20000),
             qPrintable(orca.Said()));
    // Two Players by its access key (One Player's, Alt+O, is OK's too), which moves on into
    // its first name box (not said again where the box had the focus already); from there
    // back to the option, and by arrow key to One Player, which moves on into its box likewise.
    orca.Press(QStringLiteral("alt+t"), QStringLiteral("Player 1 (O) text"), 1500);
    if (onePlayer) {
        EXPECT_SAID(orca, orca.Press(QStringLiteral("shift+Tab"), QStringLiteral("Two Players")));
        EXPECT_SAID(orca, orca.Press(QStringLiteral("Up"), QStringLiteral("Player1 (O) text")));
    }
    TypeName(orca, QStringLiteral("Ann"));
    if (!onePlayer) {
        EXPECT_SAID(orca, orca.Press(QStringLiteral("Tab"), QStringLiteral("Player 2 (X) text")));
        TypeName(orca, QStringLiteral("Bo"));
    }
    record = {};
    record.OnePlayerMode = onePlayer ? zorvane::FlagTrue : zorvane::FlagFalse;
    record.PlayerOneName = "Ann";
    record.PlayerTwoName = onePlayer ? "Computer" : "Bo";
    record.StartFirstMatch();
    // The board is read as it opens: the round and whose turn it is.
    EXPECT_SAID(orca, orca.Press(QStringLiteral("Return"), QStringLiteral("Zorvane frame")));
    QVERIFY2(orca.Hear(Round().Summary(record)), qPrintable(orca.Said()));
}

void OrcaTest::ClickByReview(Orca& orca, const Round& round, int cell)
{
    // KP_- enters flat review, or leaves it where a click left it on; then it enters.
    EXPECT_SAID(orca, orca.Press(QStringLiteral("KP_Subtract"), QStringLiteral("flat review")));
    if (orca.Said().contains(QLatin1String("Leaving flat review"))) {
        EXPECT_SAID(orca, orca.Press(QStringLiteral("KP_Subtract"),
                                     QStringLiteral("Entering flat review")));
    }
    // From the top (Insert+KP_7), line by line: KP_8 reads the line, KP_9 the next. The menu
    // bar's line and the board's rules come between the rows; every cell is read on the way.
    QVERIFY(!orca.Answer(QStringLiteral("Insert+KP_Home")).isEmpty());
    QString heard = orca.Answer(QStringLiteral("KP_Up"));
    const int row = cell / 3;
    for (int line = 0; line <= row; ++line) {
        const QString expected = RowLine(round, line);
        for (int tries = 0; tries < 4 && !heard.contains(expected); ++tries) {
            heard = orca.Answer(QStringLiteral("KP_Page_Up"));
        }
        // The row alone: nothing that is not on the screen runs into it.
        QVERIFY2(heard.split(QStringLiteral(" | ")).contains(expected),
                 qPrintable("not reviewed: " + expected + "; last heard: " + heard));
        if (line < row) {
            heard = orca.Answer(QStringLiteral("KP_Page_Up"));
        }
    }
    // Word by word (KP_6) to the cell, whose object Insert+KP_5 reads.
    for (int word = 0; word < WordsBefore(round, cell); ++word) {
        QVERIFY(!orca.Answer(QStringLiteral("KP_Right")).isEmpty());
    }
    QVERIFY2(orca.Press(QStringLiteral("Insert+KP_Begin"), round.Name(cell)),
             qPrintable(round.Name(cell) + " not reviewed: " + orca.Said()));
    // KP_Divide clicks it; the caller hears what follows.
}

void OrcaTest::PlayRound(Orca& orca, zorvane::MatchRecord& record)
{
    Round round;
    // Two players: O takes the bottom row; one player: O takes the last empty cell each time.
    // Either way the first click is on the bottom row, so the review reads all nine cells.
    QList<int> moves{6, 0, 7, 1, 8};
    QChar next = 'O';
    const bool onePlayer = record.OnePlayerMode != zorvane::FlagFalse;
    while (!round.Over()) {
        const int cell =
            onePlayer ? static_cast<int>(round.Marks.lastIndexOf('.')) : moves.takeFirst();
        ClickByReview(orca, round, cell);
        if (QTest::currentTestFailed()) {
            return;
        }
        round.Marks[cell] = next;
        if (onePlayer) {
            // The O, and the computer's X after its pause, told together.
            EXPECT_SAID(orca, orca.Press(QStringLiteral("KP_Divide"), round.Name(cell), 8000));
            if (!round.Over()) {
                static const QRegularExpression Answer(QStringLiteral(", then ([a-z ]+), X"));
                EXPECT_SAID(orca, orca.Hear(QStringLiteral(", X"), 8000));
                const QRegularExpressionMatch answer = Answer.match(orca.Said());
                QVERIFY2(answer.hasMatch(), qPrintable(orca.Said()));
                const auto place = std::find_if(
                    zorvane::CellPlaces.begin(), zorvane::CellPlaces.end(),
                    [&](const char* name) { return answer.captured(1) == QLatin1String(name); });
                QVERIFY(place != zorvane::CellPlaces.end());
                const auto taken = static_cast<int>(place - zorvane::CellPlaces.begin());
                QCOMPARE(round.Marks[taken], QChar('.'));
                round.Marks[taken] = 'X';
                const QString news = round.Name(cell) + ", then " + round.News(taken, record);
                EXPECT_SAID(orca, orca.Hear(news));
                EXPECT_SAID(orca, orca.SaidOnce(news));
            } else {
                EXPECT_SAID(orca, orca.Hear(round.News(cell, record)));
                EXPECT_SAID(orca, orca.SaidOnce(round.News(cell, record)));
            }
        } else {
            // The mark, and the turn or the line.
            EXPECT_SAID(orca,
                        orca.Press(QStringLiteral("KP_Divide"), round.News(cell, record), 8000));
            EXPECT_SAID(orca, orca.SaidOnce(round.News(cell, record)));
            next = next == 'O' ? 'X' : 'O';
        }
    }
    const QChar winner = round.Winner();
    QVERIFY(record.RecordResult(winner == 'O' ? 1 : 0, winner == 'X' ? 1 : 0));
    if (record.RoundIndex < zorvane::RoundsPerMatch) {
        // The banner, once, and then the cleared board with the next round's turn.
        QVERIFY2(orca.Hear(Round().Summary(record), 15000), qPrintable(orca.Said()));
        EXPECT_SAID(orca, orca.SaidOnce(Round().Summary(record)));
        QCOMPARE(orca.Said().count(QStringLiteral("Next Round")), 1);
    } else {
        const QString verdict = QString::fromStdString(zorvane::MatchVerdict(record));
        QVERIFY2(orca.Hear(verdict, 15000), qPrintable(orca.Said()));
        QThread::msleep(2000);
        QCOMPARE(orca.Said().count(verdict), 1);
    }
}

void OrcaTest::playedByFlatReview_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<bool>("onePlayer");
    QTest::addColumn<bool>("newGame");
    QTest::newRow("two players, scale 1") << QStringLiteral("1") << false << false;
    QTest::newRow("one player, scale 1.25") << QStringLiteral("1.25") << true << false;
    QTest::newRow("two players after New Game, scale 1.5")
        << QStringLiteral("1.5") << false << true;
    QTest::newRow("one player after New Game, scale 2") << QStringLiteral("2") << true << true;
}

void OrcaTest::playedByFlatReview()
{
    QFETCH(QString, scale);
    QFETCH(bool, onePlayer);
    QFETCH(bool, newGame);
    if (!OrcaInstalled()) {
        if (qgetenv("CI") != "true") {
            QSKIP("orca, dbus-daemon or script is not installed");
        }
        QFAIL("orca, dbus-daemon or script is not installed");
    }
    XSession x(true, QStringLiteral("openbox"), {1280, 1024});
    SKIP_WITHOUT_X(x);
    Orca orca(x);
    QVERIFY2(orca.Problem().isEmpty(), qPrintable(orca.Problem()));
    qputenv("QT_SCALE_FACTOR", scale.toLatin1());
    QVERIFY(x.StartGame());
    zorvane::MatchRecord record;
    ChooseStyle(orca, record, newGame ? !onePlayer : onePlayer);
    if (newGame) {
        // A move of the first game, then a new one chosen from the Game menu.
        ClickByReview(orca, Round(), 4);
        if (QTest::currentTestFailed()) {
            return;
        }
        EXPECT_SAID(orca, orca.Press(QStringLiteral("KP_Divide"), QStringLiteral("centre, O")));
        EXPECT_SAID(orca, orca.Press(QStringLiteral("alt+g"), QStringLiteral("New Game")));
        EXPECT_SAID(orca, orca.Press(QStringLiteral("Return"),
                                     QStringLiteral("Choose your playing style")));
        ChooseStyle(orca, record, onePlayer);
    }
    if (QTest::currentTestFailed()) {
        return;
    }
    const int rounds =
        std::clamp(qEnvironmentVariableIntValue("ZORVANE_ORCA_ROUNDS"), 1, zorvane::RoundsPerMatch);
    for (int played = 0; played < rounds && !QTest::currentTestFailed(); ++played) {
        PlayRound(orca, record);
    }
}

int main(int argc, char** argv)
{
    OrcaTest test;
    const int failures = QTest::qExec(&test, argc, argv);
    return failures == 0 && (!XSession::ToolsInstalled() || !OrcaInstalled()) ? SkippedStatus
                                                                              : failures;
}
#include "tst_orca.moc"
