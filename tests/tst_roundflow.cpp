// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "RulesDriver.h"

#include "board/Narration.h"
#include "board/RoundFlow.h"
#include "match/Flags.h"

#include <QTest>

#include <random>

using namespace zorvane;

namespace {

const std::initializer_list<int> OWinsRow0{0, 3, 1, 4, 2};
const std::initializer_list<int> XWinsRow2{0, 6, 1, 7, 3, 8};
const std::initializer_list<int> Draw{0, 1, 2, 4, 3, 5, 7, 6, 8};

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

class RoundFlowTest : public QObject {
    Q_OBJECT

  private slots:
    void watcherStartsTheAnnouncementOnlyForAFinishedRound();
    void announcementBlinksThreeTimesThenClearsTheBoard_data();
    void announcementBlinksThreeTimesThenClearsTheBoard();
    void fifthRoundShowsTheVerdictOnTheFirstTick();
    void clickDuringTheAnnouncementPlacesNothing();
    void newGameEndsAPendingAnnouncement();
    void newGameAfterTheMatchStartsAfresh();
    void wholeMatchesInBothModes();
    void newGameAtEveryPointOfAMatch();
    // What a screen reader hears of the board, looked at wherever the board window looks: after
    // every click, at the one-player repaint before the computer's pause, and at every tick.
    void heardAsTheBoardChanges_data();
    void heardAsTheBoardChanges();
};

void RoundFlowTest::watcherStartsTheAnnouncementOnlyForAFinishedRound()
{
    RulesDriver match;
    match.Play({0, 3});
    QVERIFY(!WatcherDue(match.board));
    WatchOutcome(match.board);
    QVERIFY(!match.board.Timer1Enabled);
    match.Play({1, 4, 2});
    QVERIFY(WatcherDue(match.board));
    WatchOutcome(match.board);
    QVERIFY(match.board.Timer1Enabled);
    QVERIFY(!WatcherDue(match.board)); // nothing more to see while the announcement runs
    QVERIFY(match.board.MenusEnabled);
}

void RoundFlowTest::announcementBlinksThreeTimesThenClearsTheBoard_data()
{
    QTest::addColumn<bool>("drawn");
    QTest::newRow("won round") << false;
    QTest::newRow("drawn round") << true;
}

void RoundFlowTest::announcementBlinksThreeTimesThenClearsTheBoard()
{
    QFETCH(bool, drawn);
    RulesDriver match;
    match.Play(drawn ? Draw : OWinsRow0);
    QCOMPARE(match.board.ShownOverlayCount(), drawn ? 0 : 1);
    const std::array<bool, 6> bannerAfterTick{true, false, true, false, true, false};
    for (std::size_t tick = 0; tick < 5; ++tick) {
        match.Ticks(1);
        QCOMPARE(match.board.RoundBannerShown, bannerAfterTick[tick]);
        QVERIFY(!match.board.MenusEnabled);
        QCOMPARE(match.board.ShownOverlayCount(), drawn ? 0 : 1);
        QVERIFY(match.board.Timer1Enabled);
    }
    match.Ticks(1);
    QVERIFY(!match.board.RoundBannerShown);
    QVERIFY(match.board.MenusEnabled);
    QVERIFY(!match.board.Timer1Enabled);
    QCOMPARE(match.board.ShownOverlayCount(), 0);
    QCOMPARE(match.board.Marks, (std::array<Mark, 9>{}));
    QCOMPARE(match.board.CellFree,
             (std::array<std::int16_t, 9>{-1, -1, -1, -1, -1, -1, -1, -1, -1}));
    QCOMPARE(match.board.RoundOutcome, OutcomeInPlay);
    QCOMPARE(match.board.BannerTicks, 0);
    QCOMPARE(match.board.FilledCount, std::int16_t{0});
    QCOMPARE(match.record.RoundIndex, 1);
    match.Play({5});
    QCOMPARE(match.board.Marks[5], Mark::O);
}

void RoundFlowTest::fifthRoundShowsTheVerdictOnTheFirstTick()
{
    RulesDriver match;
    match.PlayRounds({OWinsRow0, XWinsRow2, Draw, OWinsRow0});
    match.Play(XWinsRow2);
    QCOMPARE(match.record.RoundIndex, 5);
    match.Ticks(1);
    QVERIFY(match.board.VerdictShown);
    QCOMPARE(match.board.VerdictText, std::string("Draw Game"));
    QVERIFY(!match.board.RoundBannerShown);
    QVERIFY(match.board.MenusEnabled);
    QVERIFY(!match.board.Timer1Enabled);
    QCOMPARE(match.board.RoundOutcome, OutcomeInPlay);
    QCOMPARE(match.board.BannerTicks, 1);
    QVERIFY(match.board.Shows(Overlay::l3)); // the last round's line stays
    const auto marks = match.board.Marks;
    match.Play({4, 5});
    QCOMPARE(match.board.Marks, marks);
}

void RoundFlowTest::clickDuringTheAnnouncementPlacesNothing()
{
    RulesDriver match;
    match.Play(OWinsRow0);
    match.Ticks(2);
    const auto marks = match.board.Marks;
    match.Play({5, 6, 7, 8});
    QCOMPARE(match.board.Marks, marks);
    match.Ticks(3);
    QVERIFY(match.board.Timer1Enabled);
    match.Ticks(1); // still the sixth tick after the start
    QVERIFY(!match.board.Timer1Enabled);
    QCOMPARE(match.board.Marks, (std::array<Mark, 9>{}));
}

void RoundFlowTest::newGameEndsAPendingAnnouncement()
{
    for (const int ticks : {0, 1, 4}) {
        RulesDriver match;
        match.Play(OWinsRow0);
        match.Ticks(ticks);
        WatchOutcome(match.board);
        NewGame(match.board, match.record);
        QVERIFY(!match.board.Timer1Enabled);
        QVERIFY(!match.board.RoundBannerShown);
        QVERIFY(match.board.MenusEnabled);
        match.Play({4});
        WatchOutcome(match.board);
        QVERIFY(!match.board.Timer1Enabled);
        QCOMPARE(match.board.Marks[4], Mark::O);
    }
}

void RoundFlowTest::newGameAfterTheMatchStartsAfresh()
{
    RulesDriver match;
    match.PlayMatch(XWinsRow2);
    QCOMPARE(match.board.VerdictText, std::string("Bob Win."));
    for (int i = 0; i < 100; ++i) {
        WatchOutcome(match.board);
    }
    QVERIFY(!match.board.Timer1Enabled); // after the match only a new game starts anything
    NewGame(match.board, match.record);
    QVERIFY(!match.board.VerdictShown);
    QCOMPARE(match.board.ShownOverlayCount(), 0);
    QCOMPARE(match.board.BannerTicks, 0);
    QCOMPARE(MatchVerdict(match.record), std::string("Draw Game"));
    match.Play({8});
    QCOMPARE(match.board.Marks[8], Mark::O);
}

namespace {

// Seeded matches: clicks anywhere (cell 9 is off the grid), ticks whenever the announcement
// runs, until the verdict. Checks the reset after every announced round on the way and, when
// asked, keeps a copy of the match before every event and at the end.
void PlayToTheVerdict(std::uint32_t seed, RulesDriver& match,
                      std::vector<RulesDriver>* positions = nullptr)
{
    std::mt19937 draws(seed + 1000);
    for (int i = 0; i < 5000; ++i) {
        match.random.Draws.push_back(static_cast<float>(draws() >> 8) * 0x1p-24f);
    }
    std::mt19937 generator(seed);
    for (int events = 0; !match.board.VerdictShown && events < 5000; ++events) {
        if (positions) {
            positions->push_back(match);
        }
        const bool tick = match.board.Timer1Enabled && generator() % 3 == 0;
        const int cell = static_cast<int>(generator() % 10);
        const std::int32_t rounds = match.record.RoundIndex;
        if (tick) {
            AnnounceTick(match.board, match.record);
            if (!match.board.Timer1Enabled && !match.board.VerdictShown) {
                // The next round: an empty, open board with O to move; the record kept.
                QTest::qVerify(match.board.Marks == std::array<Mark, 9>{} &&
                                   match.board.ShownOverlayCount() == 0 && match.board.Turn == 0 &&
                                   match.board.MoveCount == 0 &&
                                   match.board.RoundOutcome == OutcomeInPlay &&
                                   match.record.RoundIndex == rounds,
                               "reset", "", __FILE__, __LINE__);
            }
        } else if (cell == 9) {
            match.Point(5.0f, 300.0f);
            match.Click();
        } else {
            match.Play({cell});
        }
        WatchOutcome(match.board);
    }
    if (positions) {
        positions->push_back(match);
    }
}

} // namespace

void RoundFlowTest::wholeMatchesInBothModes()
{
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        RulesDriver match(seed % 2 == 1);
        PlayToTheVerdict(seed, match);
        QVERIFY2(match.board.VerdictShown, qPrintable(QString::number(seed)));
        QCOMPARE(match.record.RoundIndex, 5);
        const int one = TotalOne(match.record);
        const int two = TotalTwo(match.record);
        const std::string expected = one > two   ? "Ann Win."
                                     : two > one ? (seed % 2 ? "Computer Win." : "Bob Win.")
                                                 : "Draw Game";
        QCOMPARE(match.board.VerdictText, expected);
        QVERIFY(!match.board.Timer1Enabled && match.board.MenusEnabled);
    }
}

void RoundFlowTest::newGameAtEveryPointOfAMatch()
{
    for (const bool onePlayer : {false, true}) {
        RulesDriver whole(onePlayer);
        std::vector<RulesDriver> positions;
        PlayToTheVerdict(7, whole, &positions);
        // New Game from any point, the verdict included: always a fresh match.
        for (RulesDriver& match : positions) {
            NewGame(match.board, match.record);
            QCOMPARE(match.record.RoundIndex, 0);
            QCOMPARE(TotalOne(match.record) + TotalTwo(match.record), 0);
            QCOMPARE(match.board.Marks, (std::array<Mark, 9>{}));
            QCOMPARE(match.board.CellTaken, (std::array<std::int16_t, 9>{}));
            QCOMPARE(match.board.MoveCount, std::int16_t{0});
            QVERIFY(!match.board.Timer1Enabled && !match.board.RoundBannerShown &&
                    !match.board.VerdictShown && match.board.MenusEnabled);
            QCOMPARE(match.board.Turn, std::int16_t{0});
            match.Play({4});
            QCOMPARE(match.board.Marks[4], Mark::O);
        }
    }
}

void RoundFlowTest::heardAsTheBoardChanges_data()
{
    QTest::addColumn<bool>("onePlayer");
    QTest::addColumn<QString>("marks");       // a one-player round's start; empty: a new match
    QTest::addColumn<QStringList>("names");   // player one, player two
    QTest::addColumn<QList<int>>("steps");    // cells clicked, and announcement steps
    QTest::addColumn<QStringList>("heard");   // at the last step
    QTest::addColumn<QString>("description"); // the window's, after it

    const QStringList ann{"Ann", "Bob"};
    const QString board = QStringLiteral("Board under the menu bar, three rows of three cells. ");
    const QList<int> topRow(OWinsRow0);
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
        << false << QString() << ann << QList<int>(Draw)
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

void RoundFlowTest::heardAsTheBoardChanges()
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

QTEST_APPLESS_MAIN(RoundFlowTest)
#include "tst_roundflow.moc"
