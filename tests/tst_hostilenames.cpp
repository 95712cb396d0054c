// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// Names that try to break things go in through the setup dialog and come out unchanged.
#include "Doubles.h"
#include "WindowDriver.h"

#include "results/frmResults.h"

#include <QLabel>

using namespace zorvane;

class HostileNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void namesComeOutExactlyAsTyped_data();
    void namesComeOutExactlyAsTyped();
};

void HostileNamesTest::namesComeOutExactlyAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("10,000 characters") << QString(10000, QChar('m'));
    QTest::newRow("40,000 characters, past a line edit's default limit")
        << QString(40000, QChar('w'));
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

QTEST_MAIN(HostileNamesTest)
#include "tst_hostilenames.moc"
