// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
// A whole match of the real program on a real X server, read from the screen's pixels: a third
// of a minute of real announcements, so a program of its own that runs beside the others.
#include "ScreenBoard.h"
#include "XSession.h"

#include <QDebug>
#include <QTest>
#include <QThread>

class RealMatchTest : public QObject {
    Q_OBJECT

  private slots:
    void boardPixelsFollowTheLayoutThroughAMatch();
};

void RealMatchTest::boardPixelsFollowTheLayoutThroughAMatch()
{
    XSession x;
    SKIP_WITHOUT_X(x);
    const ScreenBoard board = StartOn(x, false);
    QVERIFY(!board.Origin.isNull());
    // The grid: 5 px rules centred on their coordinates, nothing between them.
    for (const QPoint on :
         {QPoint(101, 150), QPoint(99, 60), QPoint(103, 260), QPoint(186, 150), QPoint(150, 104),
          QPoint(60, 102), QPoint(150, 190), QPoint(260, 192)}) {
        QVERIFY2(Dark(board.At(on.x(), on.y())),
                 qPrintable(QString("grid at %1,%2").arg(on.x()).arg(on.y())));
    }
    for (const QPoint off : {QPoint(96, 150), QPoint(106, 150), QPoint(150, 98), QPoint(150, 150),
                             QPoint(20, 104), QPoint(101, 20), QPoint(280, 190)}) {
        QVERIFY2(!Dark(board.At(off.x(), off.y())),
                 qPrintable(QString("gap at %1,%2").arg(off.x()).arg(off.y())));
    }
    for (int cell = 0; cell < 9; ++cell) {
        QVERIFY(board.Empty(cell));
    }
    for (int round = 0; round < 5; ++round) {
        board.Click(0);
        EXPECT_ON_SCREEN(board, board.HasO(0), 2000);
        board.Click(4);
        EXPECT_ON_SCREEN(board, board.HasX(4), 2000);
        for (const int cell : {1, 5, 2}) {
            board.Click(cell);
        }
        EXPECT_ON_SCREEN(board, board.HasO(2), 2000);
        // l1 crosses row 0 between the marks.
        QVERIFY(Dark(board.At(90, 60)) && Dark(board.At(270, 60)));
        QVERIFY(!Dark(board.At(90, 144)));
        if (round < 4) {
            const QRect bannerArea = ScreenBoard::Area(zorvane::geometry::RoundBanner);
            EXPECT_ON_SCREEN(board, board.RedArea(bannerArea).isValid(), 2000);
            const QRect banner = board.RedArea(bannerArea.adjusted(0, -10, 0, 10));
            QVERIFY2(bannerArea.contains(banner), qPrintable(QString::number(banner.top())));
            EXPECT_ON_SCREEN(board, board.Empty(0) && board.Empty(4), 4000);
            QVERIFY(!Dark(board.At(90, 60)));
        }
    }
    const QRect client = ScreenBoard::Area(zorvane::geometry::Client);
    EXPECT_ON_SCREEN(board, board.RedArea(client).isValid(), 2000);
    QThread::msleep(300);
    const QRect verdict = board.RedArea(client);
    QVERIFY2(qAbs(verdict.center().x() - client.center().x()) <= 6 &&
                 qAbs(verdict.center().y() - client.center().y()) <= 8,
             qPrintable(QDebug::toString(verdict)));
    QThread::msleep(1200);
    QVERIFY(board.RedArea(client) == verdict); // it stays
    QVERIFY(board.HasO(0));                    // the last round's marks stay too
}

REAL_WINDOW_MAIN(RealMatchTest)
#include "tst_realmatch.moc"
