// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// What a screen reader hears of the board, looked at wherever the board window looks: after
// every click, at the one-player repaint before the computer's pause, and at every tick.
#include "RulesDriver.h"

#include "board/Narration.h"

#include <QTest>

using namespace zorvane;

namespace {

// Announcement steps among the clicked cells.
constexpr int WholeAnnouncement = -1;
constexpr int OneTick = -2;

// The board window's part: a look at the board at each repaint, written down as heard.
class NarratingHost final : public MoveHost {
  public:
    NarratingHost(const BoardState& board, const MatchRecord& record) : Board(board), Record(record)
    {
    }
    void RepaintNow() override { Look(); }
    void SetWaitCursor(bool) override {}
    void Pause(std::chrono::milliseconds) override {}
    void Look()
    {
        for (const Telling& telling : Narrate(Told, Board, Record)) {
            const auto index = static_cast<std::size_t>(telling.Index);
            Heard << (telling.What == Telling::Kind::CellRenamed
                          ? "name:" +
                                QString::fromStdString(CellName(telling.Index, Board.Marks[index]))
                          : QStringLiteral("news%1:").arg(telling.Index) +
                                QString::fromStdString(Told.News[index]));
        }
    }

    const BoardState& Board;
    const MatchRecord& Record;
    Narration Told;
    QStringList Heard;
};

} // namespace

class NarrationTest : public QObject {
    Q_OBJECT

  private slots:
    void heardAsTheBoardChanges_data();
    void heardAsTheBoardChanges();
};

void NarrationTest::heardAsTheBoardChanges_data()
{
    QTest::addColumn<bool>("onePlayer");
    QTest::addColumn<QString>("marks");       // a one-player round's start; empty: a new match
    QTest::addColumn<QStringList>("names");   // player one, player two
    QTest::addColumn<QList<int>>("steps");    // cells clicked, and announcement steps
    QTest::addColumn<QStringList>("heard");   // at the last step
    QTest::addColumn<QString>("description"); // the window's, after it

    const QStringList ann{"Ann", "Bob"};
    const QString board = QStringLiteral("Board under the menu bar, three rows of three cells. ");
    const QList<int> topRow{0, 3, 1, 4, 2};
    QTest::newRow("two players: O's move and whose turn")
        << false << QString() << ann << QList<int>{0}
        << QStringList{"name:top left, O", "news0:top left, O. Bob (X) to move"}
        << board + "Round 1 of 5. Bob (X) to move.";
    QTest::newRow("two players: X's move, told in the other slot")
        << false << QString() << ann << QList<int>{0, 4}
        << QStringList{"name:centre, X", "news1:centre, X. Ann (O) to move"}
        << board + "Round 1 of 5. Ann (O) to move.";
    QTest::newRow("two players: a taken cell, nothing heard")
        << false << QString() << ann << QList<int>{0, 0} << QStringList{}
        << board + "Round 1 of 5. Bob (X) to move.";
    QTest::newRow("two players: a line")
        << false << QString() << ann << topRow
        << QStringList{"name:top right, O",
                       "news0:top right, O. Winning line: top row. Ann takes the round."}
        << board + "Round 1 of 5.";
    QTest::newRow("two players: a draw")
        << false << QString() << ann << QList<int>{0, 1, 2, 4, 3, 5, 7, 6, 8}
        << QStringList{"name:bottom right, O", "news0:bottom right, O"} << board + "Round 1 of 5.";
    QTest::newRow("the cleared board: the next round, then the cells")
        << false << QString() << ann << topRow + QList<int>{WholeAnnouncement}
        << QStringList{"news1:Round 2 of 5. Ann (O) to move.",
                       "name:top left, empty",
                       "name:top centre, empty",
                       "name:top right, empty",
                       "name:middle left, empty",
                       "name:centre, empty"}
        << board + "Round 2 of 5. Ann (O) to move.";
    QList<int> match;
    for (int round = 1; round < RoundsPerMatch; ++round) {
        match += topRow + QList<int>{WholeAnnouncement};
    }
    QTest::newRow("the verdict: the match over, the winner the banner's")
        << false << QString() << ann << match + topRow + QList<int>{OneTick} << QStringList{}
        << board + "Match over.";
    QTest::newRow("one player: the mark told with the computer's answer, after its pause")
        << true << QString() << QStringList{"Ann", "Computer"} << QList<int>{4}
        << QStringList{"name:centre, O", "name:top centre, X",
                       "news0:centre, O, then top centre, X"}
        << board + "Round 1 of 5. Ann (O) to move.";
    QTest::newRow("one player: the computer's answer takes the round")
        << true << "XX.OO...." << QStringList{"Ann", "Computer"} << QList<int>{6}
        << QStringList{"name:bottom left, O", "name:top right, X",
                       "news1:bottom left, O, then top right, X. Winning line: top row. Computer "
                       "takes the round."}
        << board + "Round 1 of 5.";
    QTest::newRow("one player: a line of O's, told at once")
        << true << "OO.XX...." << QStringList{"Ann", "Computer"} << QList<int>{2}
        << QStringList{"name:top right, O",
                       "news1:top right, O. Winning line: top row. Ann takes the round."}
        << board + "Round 1 of 5.";
    QTest::newRow("names as given: empty")
        << false << QString() << QStringList{"", ""} << topRow
        << QStringList{"name:top right, O",
                       "news0:top right, O. Winning line: top row.  takes the round."}
        << board + "Round 1 of 5.";
    QTest::newRow("names as given: markup, placeholders, a line break")
        << false << QString() << QStringList{"<b>%1</b>", "&amp;\n%2"} << QList<int>{0}
        << QStringList{"name:top left, O", "news0:top left, O. &amp;\n%2 (X) to move"}
        << board + "Round 1 of 5. &amp;\n%2 (X) to move.";
}

void NarrationTest::heardAsTheBoardChanges()
{
    QFETCH(bool, onePlayer);
    QFETCH(QString, marks);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, steps);
    QFETCH(QStringList, heard);
    QFETCH(QString, description);

    RulesDriver game =
        marks.isEmpty() ? RulesDriver(onePlayer) : RulesDriver::OnePlayerAt(marks.toStdString());
    game.record.AcceptSetup(names[0].toStdString(), names[1].toStdString(), onePlayer);
    game.random.Fallback = -1.0f; // the computer's draws walk the cells from top centre
    NarratingHost window(game.board, game.record);
    window.Look(); // as the window shows
    for (const int step : steps) {
        window.Heard.clear();
        if (step >= 0) {
            const auto [x, y] = geometry::CellCentre(step);
            game.Point(static_cast<float>(x), static_cast<float>(y));
            Click(game.board, game.record, window, game.random);
            window.Look();
            continue;
        }
        for (int tick = 0; tick < (step == OneTick ? 1 : AnnouncementTicks); ++tick) {
            WatchOutcome(game.board);
            window.Look();
            AnnounceTick(game.board, game.record);
            window.Look();
        }
    }
    QCOMPARE(window.Heard, heard);
    QCOMPARE(QString::fromStdString(WindowDescription(game.board, game.record)), description);
}

QTEST_APPLESS_MAIN(NarrationTest)
#include "tst_narration.moc"
