// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "XSession.h"

#include "board/BoardGeometry.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QThread>

#include <functional>

inline bool Dark(const QColor& colour)
{
    return colour.lightness() < 90;
}

inline bool Red(const QColor& colour)
{
    return colour.red() > 200 && colour.green() < 80 && colour.blue() < 80;
}

// Polls every 25 ms for up to `ms`.
inline bool WaitFor(const std::function<bool()>& condition, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        QThread::msleep(25);
    }
    return true;
}

// The board as seen on the screen, in client-area coordinates.
struct ScreenBoard {
    XSession& X;
    QPoint Origin;
    unsigned long Window = 0;

    [[nodiscard]] QColor At(int x, int y) const { return X.Pixel(Origin + QPoint(x, y)); }
    static QRect Area(const zorvane::geometry::Rect& r) { return {r.X, r.Y, r.Width, r.Height}; }
    // An O is a ring: dark at its top, light in its middle; an X is dark in its middle.
    [[nodiscard]] bool HasO(int cell) const
    {
        const auto [x, y] = zorvane::geometry::MarkCorner(cell);
        return Dark(At(x + 16, y + 5)) && !Dark(At(x + 16, y + 22));
    }
    [[nodiscard]] bool HasX(int cell) const
    {
        const auto [x, y] = zorvane::geometry::MarkCorner(cell);
        return Dark(At(x + 15, y + 15)) && !Dark(At(x + 16, y + 5));
    }
    [[nodiscard]] bool Empty(int cell) const { return !HasO(cell) && !HasX(cell); }
    // A cell's centre on the screen.
    [[nodiscard]] QPoint Centre(int cell) const
    {
        const auto [x, y] = zorvane::geometry::CellCentre(cell);
        return Origin + QPoint(x, y);
    }
    void Click(int cell) const { X.ClickAt(Centre(cell)); }
    // Whether the screen shows the board as the game drew it. A player clicks only what they
    // see, and a compositor just started may show nothing yet: kwin's screen stays black for
    // half a second after it has taken the screen.
    [[nodiscard]] bool Shown() const
    {
        const QRect client(Origin,
                           QSize(zorvane::geometry::ClientWidth, zorvane::geometry::ClientHeight));
        const QImage drawn = X.Grab(client.translated(-X.Geometry(Window).topLeft()), Window);
        return !drawn.isNull() && drawn == X.Grab(client);
    }
    // The bounding box of the red pixels in `area`; null when there are none.
    [[nodiscard]] QRect RedArea(QRect area) const
    {
        const QImage image = X.Grab(area.translated(Origin));
        QRect found;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (Red(image.pixelColor(x, y))) {
                    found |= QRect(area.x() + x, area.y() + y, 1, 1);
                }
            }
        }
        return found;
    }
    // Saved beside the test's working directory when a check fails, to look at.
    void Save(const QString& name) const
    {
        X.Grab({Origin, QSize(zorvane::geometry::ClientWidth, zorvane::geometry::ClientHeight)})
            .save(name);
    }
};

// Starts the game, answers its setup dialog with the keyboard and finds the board.
inline ScreenBoard StartOn(XSession& x, bool onePlayer)
{
    x.StartGame();
    const unsigned long setup = x.FindWindow("Choose your playing style");
    if (setup == 0) {
        return {x, {}};
    }
    // Without a window manager, Wine's windows get the keyboard only when given it.
    x.Focus(setup);
    // An access key clicks its option a moment later; OK must wait for it.
    x.Keys({onePlayer ? "alt+o" : "alt+t"});
    QThread::msleep(400);
    x.Keys({"Return"});
    const unsigned long board = x.FindWindow("Zorvane");
    if (board == 0) {
        return {x, {}};
    }
    x.Focus(board);
    const QRect frame = x.Geometry(board);
    ScreenBoard shown{
        x, frame.topLeft() + QPoint(0, frame.height() - zorvane::geometry::ClientHeight), board};
    WaitFor([&] { return shown.Shown(); }, 5000);
    return shown;
}

// Skips the test, saying why, where a tool the X session needs is not installed; under CI, and
// wherever the server or the window manager fails to start, that is a failure instead.
#define SKIP_WITHOUT_X(session)                                                                    \
    do {                                                                                           \
        if ((session).ToolMissing() && qgetenv("CI") != "true") {                                  \
            QSKIP(qPrintable("no X server: " + (session).Problem()));                              \
        }                                                                                          \
        if (!(session).Problem().isEmpty()) {                                                      \
            QFAIL(qPrintable("no X server: " + (session).Problem()));                              \
        }                                                                                          \
    } while (false)

// The exit status by which CTest lists a real-window program as skipped.
inline constexpr int SkippedStatus = 77;

// A real-window test program's main: where the X session's tools are missing and nothing
// failed, it says so to CTest by its exit status.
#define REAL_WINDOW_MAIN(TestClass)                                                                \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestClass test;                                                                            \
        const int failures = QTest::qExec(&test, argc, argv);                                      \
        return failures == 0 && !XSession::ToolsInstalled() ? SkippedStatus : failures;            \
    }

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
