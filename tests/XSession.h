#pragma once

// A private X server (Xvfb) with the game running on it, driven by real input (xdotool) and
// read back pixel by pixel, for the tests that need the real window system.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>

struct _XDisplay;

class XSession {
  public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Empty when the server runs; otherwise why it could not be started.
    [[nodiscard]] QString Problem() const { return Why; }

    // The game by default; the benchmark also starts programs of its own.
    bool StartGame(const QString& program = QStringLiteral(ZORVANE_EXECUTABLE),
                   const QStringList& arguments = {});
    [[nodiscard]] qint64 GamePid() const { return Game.processId(); }
    // Waits up to `ms` for the game's process to end.
    bool GameEnds(int ms);
    [[nodiscard]] bool GameRunning() const;

    // The top-level window with this title, 0 when there is none within `ms`.
    unsigned long FindWindow(const QString& title, int ms = 5000) const;
    [[nodiscard]] QRect Geometry(unsigned long window) const;
    // Asks the window to close as a window manager would (WM_DELETE_WINDOW).
    void RequestClose(unsigned long window) const;

    void Keys(const QStringList& keys) const;
    void ClickAt(QPoint screen) const;
    void ClicksAt(const QList<QPoint>& screen) const;
    [[nodiscard]] QColor Pixel(QPoint screen) const;
    [[nodiscard]] QImage Grab(QRect screen) const;
    // The name of the pointer's current cursor image ("left_ptr", ...; empty for unnamed).
    [[nodiscard]] QString CursorName() const;
    void MoveTo(QPoint screen) const;
    // Gives the window the keyboard focus, as a window manager would on activation.
    void Focus(unsigned long window) const;

  private:
    void Xdotool(const QStringList& arguments) const;

    QProcess Server;
    QProcess Game;
    QString Display;
    QString Why;
    _XDisplay* Connection = nullptr;
};
