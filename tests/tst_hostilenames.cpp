// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// Names that try to break things go in through the setup dialog and come out unchanged.
#include "Doubles.h"
#include "WindowDriver.h"

#include "results/frmResults.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>

#include <atomic>
#include <chrono>
#include <thread>

using namespace zorvane;

class HostileNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void namesComeOutExactlyAsTyped_data();
    void namesComeOutExactlyAsTyped();
    void everyTextQueryAnswers_data();
    void everyTextQueryAnswers();
};

namespace {

void AddShortNames()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("multi-byte UTF-8") << QString::fromUtf8("Zoë Łukasz 山田 Ñandú");
    QTest::newRow("right-to-left") << QString::fromUtf8("מרים שלום");
    QTest::newRow("combining marks") << QString::fromUtf8("e\u0301a\u0308o\u0303\u0323");
    QTest::newRow("emoji") << QString::fromUtf8("🦊 Fox 👩‍👩‍👧");
    QTest::newRow("control characters") << QString::fromUtf8("tab\there\x01\x1b[31mred");
    QTest::newRow("embedded NUL") << QString::fromUtf8("before", 6) + QChar(0) + "after";
    QTest::newRow("markup") << QString("<b>Ann</b><img src=x onerror=1>");
    QTest::newRow("ampersands") << QString("&Ann && &&Bob&");
    QTest::newRow("markup around an access key") << QString("<b>&Ann</b>");
    QTest::newRow("blanks") << QString("   ");
}

// A screen reader's question that never returns hangs the program: the watchdog ends the test
// with the question instead.
class Watchdog {
  public:
    Watchdog()
        : Thread([this] {
              while (!Done) {
                  const auto asked = Asked.load();
                  std::this_thread::sleep_for(std::chrono::seconds(2));
                  if (asked == Asked.load() && Asking) {
                      qFatal("no answer to %s", Question);
                  }
              }
          })
    {
    }
    ~Watchdog()
    {
        Done = true;
        Thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void Ask(const QByteArray& question)
    {
        qstrncpy(Question, question.constData(), sizeof Question);
        ++Asked;
        Asking = true;
    }
    void Answered() { Asking = false; }

  private:
    std::atomic<bool> Done = false;
    std::atomic<bool> Asking = false;
    std::atomic<unsigned> Asked = 0;
    char Question[200] = {};
    std::thread Thread;
};

// Every boundary's text before, at and after every offset from -1 to one past the end, and
// the attribute run, of every text interface under `top`: each answers, with a piece of the text.
void AskEveryTextQuery(QAccessibleInterface* top, Watchdog& watchdog)
{
    if (QAccessibleTextInterface* text = top->textInterface(); text != nullptr) {
        const int length = text->characterCount();
        const QString whole = text->text(0, length);
        const auto where = top->text(QAccessible::Name).left(40).toUtf8();
        using Query = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType,
                                                            int*, int*) const;
        for (auto [query, kind] :
             {std::pair<Query, const char*>{&QAccessibleTextInterface::textAtOffset, "at"},
              {&QAccessibleTextInterface::textBeforeOffset, "before"},
              {&QAccessibleTextInterface::textAfterOffset, "after"}}) {
            for (const auto boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                                        QAccessible::SentenceBoundary, QAccessible::LineBoundary,
                                        QAccessible::ParagraphBoundary}) {
                for (int offset = -1; offset <= length + 1; ++offset) {
                    const QByteArray question =
                        QByteArray("text ") + kind + " offset " + QByteArray::number(offset) +
                        ", boundary " + QByteArray::number(boundary) + ", in \"" + where + '"';
                    watchdog.Ask(question);
                    int start = -2;
                    int end = -2;
                    const QString piece = (text->*query)(offset, boundary, &start, &end);
                    watchdog.Answered();
                    if (start != -1 || end != -1) {
                        QVERIFY2(0 <= start && start <= end && end <= length,
                                 question + " gave " + QByteArray::number(start) + ".." +
                                     QByteArray::number(end));
                        QVERIFY2(piece == whole.mid(start, end - start), question);
                    } else {
                        QVERIFY(piece.isEmpty());
                    }
                }
            }
        }
        // A run of attributes covers its offset, or the reader loses the text after it.
        for (int offset = 0; offset < length; ++offset) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            QVERIFY2(start <= offset && offset < end, where);
        }
    }
    for (int i = 0; i < top->childCount() && !QTest::currentTestFailed(); ++i) {
        AskEveryTextQuery(top->child(i), watchdog);
    }
}

} // namespace

void HostileNamesTest::namesComeOutExactlyAsTyped_data()
{
    AddShortNames();
    QTest::newRow("10,000 characters") << QString(10000, QChar('m'));
    QTest::newRow("40,000 characters, past a line edit's default limit")
        << QString(40000, QChar('w'));
}

void HostileNamesTest::namesComeOutExactlyAsTyped()
{
    QFETCH(QString, name);
    BoardDriver driver;
    QVERIFY(driver.Start(false, name, name + "2"));
    QCOMPARE(QString::fromStdString(driver.record.PlayerOneName), name);
    QCOMPARE(driver.record.PlayerOneName.size(), static_cast<std::size_t>(name.toUtf8().size()));

    frmResults results(driver.record, &driver.board);
    for (const auto& [label, text] : {std::pair{"lblPlayer1", name}, {"lblPlayer2", name + "2"}}) {
        const QLabel* heading = Find<QLabel>(&results, label);
        QCOMPARE(heading->text(), text);
        QCOMPARE(heading->textFormat(), Qt::PlainText);
        QCOMPARE(heading->width(), heading->sizeHint().width()); // whole, however wide
    }

    driver.PlayMatch({0, 3, 1, 4, 2});
    QCOMPARE(MatchVerdict(driver.record), driver.record.PlayerOneName + " Win.");
    QCOMPARE(driver.Get<QLabel>("lblWin")->text(), name + " Win.");
    QCOMPARE(driver.Get<QLabel>("lblWin")->textFormat(), Qt::PlainText);
    QVERIFY(driver.Get<QLabel>("lblWin")->isVisible());
}

void HostileNamesTest::everyTextQueryAnswers_data()
{
    AddShortNames();
    QTest::newRow("the default name") << QString("Player1");
    QTest::newRow("sentences") << QString("Ann. Bob! Eve? ");
}

// Every text a screen reader can read in the setup dialog, the board with its verdict, the
// results and the About box.
void HostileNamesTest::everyTextQueryAnswers()
{
    QFETCH(QString, name);
    BoardDriver driver;
    QVERIFY(driver.Start(false, name, name + "2"));
    driver.PlayMatch({0, 3, 1, 4, 2});
    frmResults results(driver.record, &driver.board);
    Watchdog watchdog;
    for (QWidget* window :
         {static_cast<QWidget*>(driver.Setup()), static_cast<QWidget*>(&driver.board),
          static_cast<QWidget*>(&results)}) {
        AskEveryTextQuery(QAccessible::queryAccessibleInterface(window), watchdog);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
    bool aboutAsked = false;
    QTimer::singleShot(0, &driver.board, [&] {
        auto* about = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (about != nullptr) {
            AskEveryTextQuery(QAccessible::queryAccessibleInterface(about), watchdog);
            aboutAsked = true;
            about->accept();
        }
    });
    driver.board.mnuHelpAbout_Click();
    QVERIFY(aboutAsked);
}

QTEST_MAIN(HostileNamesTest)
#include "tst_hostilenames.moc"
