// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "XSession.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTest>

#include <functional>

bool Dark(const QColor& colour);
bool Red(const QColor& colour);
// Polls every 25 ms for up to `ms`.
bool WaitFor(const std::function<bool()>& condition, int ms);

// The board as seen on the screen, in client-area coordinates.
struct ScreenBoard {
    XSession& X;
    QPoint Origin;
    unsigned long Window = 0;

    [[nodiscard]] QColor At(int x, int y) const { return X.Pixel(Origin + QPoint(x, y)); }
    [[nodiscard]] bool HasO(int cell) const;
    [[nodiscard]] bool HasX(int cell) const;
    [[nodiscard]] bool Empty(int cell) const { return !HasO(cell) && !HasX(cell); }
    // A cell's centre on the screen.
    [[nodiscard]] QPoint Centre(int cell) const;
    void Click(int cell) const;
    // The bounding box of the red pixels in `area`; null when there are none.
    [[nodiscard]] QRect RedArea(QRect area) const;
    // Saved beside the test's working directory when a check fails, to look at.
    void Save(const QString& name) const;
};

// Starts the game, answers its setup dialog with the keyboard and finds the board.
ScreenBoard StartOn(XSession& x, bool onePlayer);

// Waits for a condition on the screen; on failure saves what the board showed.
#define EXPECT_ON_SCREEN(board, condition, ms)                                                     \
    do {                                                                                           \
        if (!WaitFor([&] { return condition; }, ms)) {                                             \
            (board).Save(QStringLiteral("realwindow-%1.png").arg(__LINE__));                       \
            QFAIL(qPrintable(QStringLiteral("not on screen: %1 (see realwindow-%2.png)")           \
                                 .arg(QLatin1String(#condition))                                   \
                                 .arg(__LINE__)));                                                 \
        }                                                                                          \
    } while (false)
