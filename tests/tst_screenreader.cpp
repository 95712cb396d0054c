// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// Whole matches played the way a blind player plays them: through AT-SPI alone, by the cells'
// "click" actions, reading every cell after each move, with no pointer and no key. The AT-SPI
// side is screenreader.py, run in a D-Bus session and accessibility bus of its own.
#include "ScreenBoard.h"
#include "SpokenRound.h"
#include "XSession.h"

#include "match/Flags.h"
#include "match/MatchRecord.h"
#include "results/ResultsTable.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>

namespace {

// Debian's interpreter, the one python3-pyatspi installs into.
const QString Python = QStringLiteral("/usr/bin/python3");

bool ReaderToolsInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("dbus-run-session")).isEmpty() &&
           QFile::exists(QStringLiteral("/usr/libexec/at-spi-bus-launcher")) &&
           QProcess::execute(Python, {"-c", "import pyatspi"}) == 0;
}

class ScreenReader {
  public:
    explicit ScreenReader(const XSession& x, const QString& scale = QStringLiteral("1"))
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), x.DisplayName());
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        // The accessibility bus's socket is named by the display: kept apart from any other.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Runtime.path());
        Driver.setProcessEnvironment(environment);
        Driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        Driver.start(QStringLiteral("dbus-run-session"),
                     {"--", Python, QStringLiteral(ZORVANE_SOURCE_DIR "/tests/screenreader.py"),
                      QStringLiteral(ZORVANE_EXECUTABLE)});
    }
    ~ScreenReader()
    {
        Driver.closeWriteChannel();
        if (!Driver.waitForFinished(5000)) {
            Driver.kill();
            Driver.waitForFinished(2000);
        }
    }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    QString Ask(const QString& command)
    {
        Driver.write(command.toUtf8() + '\n');
        for (;;) {
            while (!Driver.canReadLine()) {
                if (!Driver.waitForReadyRead(30000)) {
                    return QStringLiteral("error: no answer to ") + command;
                }
            }
            const QString line = QString::fromUtf8(Driver.readLine()).chopped(1);
            if (line.startsWith(QLatin1String("> "))) {
                return line.mid(2);
            }
        }
    }
    // Waits for the board to be cleared for the next round, or the verdict.
    bool AskUntil(const QString& command, const std::function<bool(const QString&)>& done,
                  QString* last = nullptr)
    {
        QString answer;
        const bool met = WaitFor([&] { return done(answer = Ask(command)); }, 8000);
        if (last != nullptr) {
            *last = answer;
        }
        return met;
    }

  private:
    QTemporaryDir Runtime;
    QProcess Driver;
};

// What the setup dialog holds, read through AT-SPI: the names the board and results use.
zorvane::MatchRecord StartMatch(ScreenReader& reader, bool onePlayer)
{
    zorvane::MatchRecord record;
    if (reader.Ask("wait dialog Choose your playing style") != "ok") {
        return record;
    }
    reader.Ask(onePlayer ? "press radio_button One Player" : "press radio_button Two Players");
    record.OnePlayerMode = onePlayer ? zorvane::FlagTrue : zorvane::FlagFalse;
    record.PlayerOneName =
        reader.Ask(onePlayer ? "value Player1 (O)" : "value Player 1 (O)").toStdString();
    record.PlayerTwoName = onePlayer ? "Computer" : reader.Ask("value Player 2 (X)").toStdString();
    reader.Ask("press push_button OK");
    reader.Ask("wait frame Zorvane");
    reader.Ask("heard"); // the setup dialog's
    record.StartFirstMatch();
    return record;
}

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT

  private slots:
    void twoPlayerMatchByCellActions();
    void onePlayerMatchByCellActions();
    void cellsClickedAtTheirExtents_data();
    void cellsClickedAtTheirExtents();

  private:
    // Ends the round: the points recorded, then the banner heard once and the board cleared,
    // or, after the last round, the verdict heard.
    static void FinishRound(ScreenReader& reader, zorvane::MatchRecord& record, const Round& round);
    static void CheckResults(ScreenReader& reader, const zorvane::MatchRecord& record);
};

void ScreenReaderTest::FinishRound(ScreenReader& reader, zorvane::MatchRecord& record,
                                   const Round& round)
{
    const QChar winner = round.Winner();
    QVERIFY(record.RecordResult(winner == 'O' ? 1 : 0, winner == 'X' ? 1 : 0));
    // A click during the announcement changes nothing, as a real one does.
    QCOMPARE(reader.Ask(QStringLiteral("cell %1").arg(std::max(0, int(round.Marks.indexOf('.'))))),
             QString("ok"));
    QCOMPARE(reader.Ask("cells"), round.Names());
    QString heard;
    if (record.RoundIndex < zorvane::RoundsPerMatch) {
        QVERIFY2(
            reader.AskUntil("cells", [](const QString& names) { return names == Round().Names(); }),
            "the board was not cleared");
        heard = reader.Ask("heard");
        QCOMPARE(heard.count("shown:Next Round"), 1);
        // The cleared board's news takes the focus, once: the next round and its turn.
        QCOMPARE(heard.count("focus:" + Round().Summary(record)), 1);
    } else {
        const QString verdict = QString::fromStdString(zorvane::MatchVerdict(record));
        QVERIFY2(reader.AskUntil("heard",
                                 [&](const QString& said) {
                                     heard += said;
                                     return heard.contains("shown:" + verdict);
                                 }),
                 qPrintable("heard " + heard));
        QCOMPARE(heard.count("shown:"), 1);
        QCOMPARE(reader.Ask("cells"), round.Names()); // the last round's marks stay
    }
}

void ScreenReaderTest::CheckResults(ScreenReader& reader, const zorvane::MatchRecord& record)
{
    QCOMPARE(reader.Ask("press menu_item Results"), QString("ok"));
    QCOMPARE(reader.Ask("wait dialog Zorvane"), QString("ok"));
    const zorvane::ResultsTable table = zorvane::BuildResultsTable(record);
    const QString one = QString::fromStdString(table.HeadingOne);
    const QString two = QString::fromStdString(table.HeadingTwo);
    QStringList rows{one, two};
    for (const auto& row : table.Rows) {
        rows << QStringLiteral("Round %1: ").arg(rows.size() / 2) + one + ' ' +
                    QString::fromStdString(row.PointsOne) + ','
             << two + ' ' + QString::fromStdString(row.PointsTwo);
    }
    rows << "Total: " + one + ' ' + QString::fromStdString(table.TotalOne) + ','
         << two + ' ' + QString::fromStdString(table.TotalTwo) << "Cancel";
    QCOMPARE(reader.Ask("read dialog Zorvane"), rows.join('|'));
    QCOMPARE(reader.Ask("press push_button Cancel"), QString("ok"));
}

// Where the AT-SPI tools are not installed: skipped, and under CI a failure.
#define SKIP_WITHOUT_READER()                                                                      \
    do {                                                                                           \
        if (!ReaderToolsInstalled()) {                                                             \
            if (qgetenv("CI") != "true") {                                                         \
                QSKIP("dbus-run-session, at-spi2-core or python3-pyatspi is not installed");       \
            }                                                                                      \
            QFAIL("dbus-run-session, at-spi2-core or python3-pyatspi is not installed");           \
        }                                                                                          \
    } while (false)

void ScreenReaderTest::twoPlayerMatchByCellActions()
{
    SKIP_WITHOUT_READER();
    XSession x;
    SKIP_WITHOUT_X(x);
    ScreenReader reader(x);
    zorvane::MatchRecord record = StartMatch(reader, false);
    QVERIFY(!record.PlayerOneName.empty());
    // O's top row with a taken cell clicked on the way; X's diagonal; a draw; O's column; X's
    // middle row.
    const QList<QList<int>> rounds{{0, 0, 3, 1, 4, 2},
                                   {0, 2, 1, 4, 8, 6},
                                   {0, 4, 8, 2, 6, 3, 5, 7, 1},
                                   {1, 0, 4, 2, 7},
                                   {0, 3, 1, 4, 8, 5}};
    for (const QList<int>& moves : rounds) {
        Round round;
        QChar next = 'O';
        for (const int cell : moves) {
            const QString before = round.Names();
            if (round.Marks[cell] == '.') {
                round.Marks[cell] = next;
                next = next == 'O' ? 'X' : 'O';
            }
            QCOMPARE(reader.Ask(QStringLiteral("cell %1").arg(cell)), QString("ok"));
            QCOMPARE(reader.Ask("cells"), round.Names());
            // One move, one name heard, the cell's and not the picture's besides, and its news
            // taking the focus.
            const bool changed = before != round.Names();
            QCOMPARE(reader.Ask(QStringLiteral("heard %1").arg(changed ? 2 : 0)),
                     changed ? "name:" + round.Name(cell) + "|focus:" + round.News(cell, record)
                             : QString());
            // A round's ending move is followed by its verdict at the outcome timer's next tick,
            // which a busy machine may let pass before the question is asked.
            const QString summary = reader.Ask("turn");
            QVERIFY2(summary.endsWith(". " + round.Summary(record)) ||
                         (round.Over() && summary.endsWith(". Match over.")),
                     qPrintable(summary));
        }
        QVERIFY(round.Over());
        FinishRound(reader, record, round);
    }
    CheckResults(reader, record);
}

void ScreenReaderTest::onePlayerMatchByCellActions()
{
    SKIP_WITHOUT_READER();
    XSession x;
    SKIP_WITHOUT_X(x);
    ScreenReader reader(x);
    zorvane::MatchRecord record = StartMatch(reader, true);
    QVERIFY(!record.PlayerOneName.empty());
    for (int played = 0; played < zorvane::RoundsPerMatch; ++played) {
        Round round;
        while (!round.Over()) {
            // The first empty cell; the computer's answer is read from the cells.
            const int cell = static_cast<int>(round.Marks.indexOf('.'));
            round.Marks[cell] = 'O';
            const bool ended = round.Over();
            QCOMPARE(reader.Ask(QStringLiteral("cell %1").arg(cell)), QString("ok"));
            // The O, then after its pause the computer's X if the round goes on, told together.
            const QString heard = reader.Ask(QStringLiteral("heard %1").arg(ended ? 2 : 3));
            const QStringList names = reader.Ask("cells").split('|');
            QList<int> answers;
            for (int other = 0; other < 9; ++other) {
                if (names[other] != round.Name(other)) {
                    answers << other;
                }
            }
            QCOMPARE(answers.size(), ended ? 0 : 1);
            if (!ended) {
                QCOMPARE(round.Marks[answers[0]], QChar('.'));
                round.Marks[answers[0]] = 'X';
                QCOMPARE(heard, "name:" + round.Name(cell) + "|name:" + round.Name(answers[0]) +
                                    "|focus:" + round.Name(cell) + ", then " +
                                    round.News(answers[0], record));
            } else {
                QCOMPARE(heard, "name:" + round.Name(cell) + "|focus:" + round.News(cell, record));
            }
            QCOMPARE(names.join('|'), round.Names());
        }
        FinishRound(reader, record, round);
    }
    CheckResults(reader, record);
}

void ScreenReaderTest::cellsClickedAtTheirExtents_data()
{
    QTest::addColumn<QString>("scale");
    for (const char* scale : {"1", "1.25", "1.5", "2"}) {
        QTest::newRow(scale) << QString::fromLatin1(scale);
    }
}

// What a screen reader's review does: it reads what lies inside the window's extents and clicks
// at the centre of a cell's. At every scale the window's are where the window is, each cell's
// lie inside them, and a click there marks that cell and no other.
void ScreenReaderTest::cellsClickedAtTheirExtents()
{
    QFETCH(QString, scale);
    SKIP_WITHOUT_READER();
    XSession x(false, QStringLiteral("openbox"), {1280, 1024});
    SKIP_WITHOUT_X(x);
    ScreenReader reader(x, scale);
    const zorvane::MatchRecord record = StartMatch(reader, false);
    QVERIFY(!record.PlayerOneName.empty());
    QList<QRect> extents;
    for (const QString& box : reader.Ask("extents").split('|')) {
        const QStringList part = box.split(',');
        QCOMPARE(part.size(), 4);
        extents << QRect(part[0].toInt(), part[1].toInt(), part[2].toInt(), part[3].toInt());
    }
    QCOMPARE(extents.size(), 10);
    // Qt's own rounding of the window's place to device-independent pixels: one pixel off.
    const QRect window = x.Geometry(x.FindWindow(QStringLiteral("Zorvane")));
    QVERIFY2((extents[0].topLeft() - window.topLeft()).manhattanLength() <= 2 &&
                 (QPoint(extents[0].width(), extents[0].height()) -
                  QPoint(window.width(), window.height()))
                         .manhattanLength() <= 2,
             qPrintable(QStringLiteral("window at %1,%2 %3x%4, its extents %5,%6 %7x%8")
                            .arg(window.x())
                            .arg(window.y())
                            .arg(window.width())
                            .arg(window.height())
                            .arg(extents[0].x())
                            .arg(extents[0].y())
                            .arg(extents[0].width())
                            .arg(extents[0].height())));
    Round round;
    QChar next = 'O';
    // A draw: every cell is clicked once.
    for (const int cell : {0, 4, 8, 2, 6, 3, 5, 7, 1}) {
        const QRect at = extents[1 + cell];
        QVERIFY2(extents[0].contains(at), qPrintable(round.Name(cell)));
        x.ClickAt(at.center());
        round.Marks[cell] = next;
        next = next == 'O' ? 'X' : 'O';
        QString names;
        QVERIFY2(reader.AskUntil(
                     "cells", [&](const QString& now) { return (names = now) == round.Names(); }),
                 qPrintable(round.Name(cell) + " clicked: " + names));
    }
}

int main(int argc, char** argv)
{
    ScreenReaderTest test;
    const int failures = QTest::qExec(&test, argc, argv);
    const bool toolsMissing = !XSession::ToolsInstalled() || !ReaderToolsInstalled();
    return failures == 0 && toolsMissing ? SkippedStatus : failures;
}
#include "tst_screenreader.moc"
