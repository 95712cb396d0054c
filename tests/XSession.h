// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// A private X server (Xvfb) with the game running on it, driven by real input (xdotool) and
// read back pixel by pixel, for the tests that need the real window system.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

struct _XDisplay;

class XSession {
  public:
    // With `windowManager`, it (openbox unless named) frames, places and focuses the windows as
    // on a desktop. The screen is 800 × 600 unless a larger one is asked for (the board at
    // scale 2).
    explicit XSession(bool windowManager = false,
                      const QString& windowManagerProgram = QStringLiteral("openbox"),
                      QSize screen = {800, 600});
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Empty when the server runs; otherwise why it could not be started.
    [[nodiscard]] QString Problem() const { return Why; }
    // The problem is a tool that is not installed, not one that failed.
    [[nodiscard]] bool ToolMissing() const { return Missing; }
    // Whether Xvfb and xdotool, which every session needs, are installed.
    static bool ToolsInstalled();

    // The game by default: this build's, or the command in ZORVANE_GAME (the Windows build's
    // under Wine, say). The benchmark also starts programs of its own.
    bool StartGame();
    bool StartGame(const QString& program, const QStringList& arguments);
    [[nodiscard]] qint64 GamePid() const { return Game.processId(); }
    // The server's display name (":1"), for programs started beside the game.
    [[nodiscard]] QString DisplayName() const { return Display; }
    // Waits up to `ms` for the game's process to end.
    bool GameEnds(int ms);
    [[nodiscard]] bool GameRunning() const;

    // The top-level window with this title, other than `besides`; 0 when there is none
    // within `ms`. Under Wine a program's first window waits for Wine's own start, which takes
    // seconds.
    unsigned long FindWindow(const QString& title, int ms = 20000, unsigned long besides = 0) const;
    [[nodiscard]] QRect Geometry(unsigned long window) const;
    // How many X windows show inside the window: none where its controls are the toolkit's own.
    [[nodiscard]] int ChildWindows(unsigned long window) const;
    // The window with the window manager's frame around it.
    [[nodiscard]] QRect FrameGeometry(unsigned long window) const;
    [[nodiscard]] QPoint Pointer() const;
    // The game's open pop-up menu, which Qt places where it believes its window is; null when
    // none shows within `ms`.
    [[nodiscard]] QRect PopupGeometry(int ms = 3000) const;
    // Asks the window to close as a window manager would (WM_DELETE_WINDOW).
    void RequestClose(unsigned long window) const;

    void Keys(const QStringList& keys) const;
    void ClickAt(QPoint screen) const;
    // The left button held from one place to another, as a user drags a title bar.
    void Drag(QPoint from, QPoint to) const;
    // A click where the pointer already is, without moving it.
    void ClickHere() const;
    void ClicksAt(const QList<QPoint>& screen) const;
    [[nodiscard]] QColor Pixel(QPoint screen) const;
    // The screen's pixels, or with `window` the window's own in its coordinates: what the
    // program drew, even where a compositor has yet to show it.
    [[nodiscard]] QImage Grab(QRect area, unsigned long window = 0) const;
    // What the pointer's current cursor looks like: equal for equal images, whether they come
    // from a cursor theme or from the X server's own cursor font.
    [[nodiscard]] QByteArray CursorImage() const;
    void MoveTo(QPoint screen) const;
    // Gives the window the keyboard focus, as a window manager would on activation.
    void Focus(unsigned long window) const;

  private:
    void Xdotool(const QStringList& arguments) const;

    QProcess Server;
    QProcess WindowManager;
    QProcess Game;
    QString Display;
    QString Why;
    bool Missing = false;
    _XDisplay* Connection = nullptr;
};
