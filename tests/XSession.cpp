// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "XSession.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

#include <memory>

namespace {

// A window can go between the moment it is listed and the moment it is asked about: not a
// failure of the test, which Xlib's default handler would end.
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

bool XSession::ToolsInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

XSession::XSession(bool windowManager, const QString& windowManagerProgram, QSize screen)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    QStringList arguments = QProcess::splitCommand(windowManagerProgram);
    const QString openbox = QStandardPaths::findExecutable(arguments.takeFirst());
    if (!ToolsInstalled() || (windowManager && openbox.isEmpty())) {
        Why = QStringLiteral("Xvfb, xdotool or %1 is not installed").arg(windowManagerProgram);
        Missing = true;
        return;
    }
    Server.setProgram(xvfb);
    Server.setArguments({"-displayfd", "1", "-screen", "0",
                         QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                         "-nolisten", "tcp"});
    Server.start();
    if (!Server.waitForStarted(5000) || !Server.waitForReadyRead(10000)) {
        Why = QStringLiteral("Xvfb did not start: %1").arg(Server.errorString());
        return;
    }
    Display = QStringLiteral(":") + QString::fromLatin1(Server.readLine()).trimmed();
    XSetErrorHandler(IgnoreErrors);
    // A server has been seen to refuse the first connection now and then: asked again a while.
    QElapsedTimer waited;
    waited.start();
    while ((Connection = XOpenDisplay(Display.toLatin1().constData())) == nullptr &&
           Server.state() == QProcess::Running && waited.elapsed() < 3000) {
        QThread::msleep(100);
    }
    if (Connection == nullptr) {
        Why = QStringLiteral("cannot connect to Xvfb on %1 (%2): %3")
                  .arg(Display,
                       Server.state() == QProcess::Running ? QStringLiteral("running")
                                                           : QStringLiteral("ended"),
                       QString::fromLocal8Bit(Server.readAllStandardError()).trimmed());
        return;
    }
    if (windowManager) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), Display);
        WindowManager.setProcessEnvironment(environment);
        WindowManager.start(openbox, arguments);
        // Ready once it owns the screen's window-manager selection and, where it composites,
        // the compositing one: until its compositor runs the screen shows nothing, and kwin
        // starts that about half a second after it has taken the screen.
        QList<Atom> selections{XInternAtom(Connection, "WM_S0", False)};
        if (windowManagerProgram.contains(QLatin1String("composit")) ||
            windowManagerProgram == QLatin1String("kwin_x11")) {
            selections << XInternAtom(Connection, "_NET_WM_CM_S0", False);
        }
        QElapsedTimer clock;
        clock.start();
        for (const Atom selection : selections) {
            while (XGetSelectionOwner(Connection, selection) == None) {
                if (clock.elapsed() > 10000) {
                    Why = QStringLiteral("%1 did not start").arg(windowManagerProgram);
                    return;
                }
                QThread::msleep(50);
            }
        }
    }
}

XSession::~XSession()
{
    // Asked first, so that a game started through a wrapper can end what it started.
    if (Game.state() != QProcess::NotRunning) {
        Game.terminate();
        if (!Game.waitForFinished(5000)) {
            Game.kill();
            Game.waitForFinished(3000);
        }
    }
    if (WindowManager.state() != QProcess::NotRunning) {
        WindowManager.terminate();
        WindowManager.waitForFinished(3000);
    }
    if (Connection != nullptr) {
        XCloseDisplay(Connection);
    }
    // Ended for good: a server still ending removes its socket as it goes, and on a machine
    // with no other X server the next session's server takes the same display number.
    if (Server.state() != QProcess::NotRunning) {
        Server.terminate();
        if (!Server.waitForFinished(5000)) {
            Server.kill();
            Server.waitForFinished(3000);
        }
    }
}

bool XSession::StartGame()
{
    const QString command = qEnvironmentVariable("ZORVANE_GAME");
    if (command.isEmpty()) {
        return StartGame(QStringLiteral(ZORVANE_EXECUTABLE), {});
    }
    QStringList words = QProcess::splitCommand(command);
    const QString program = words.takeFirst();
    return StartGame(program, words);
}

bool XSession::StartGame(const QString& program, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), Display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    Game.setProcessEnvironment(environment);
    Game.setProgram(program);
    Game.setArguments(arguments);
    Game.setProcessChannelMode(QProcess::ForwardedChannels);
    Game.start();
    return Game.waitForStarted(5000);
}

bool XSession::GameEnds(int ms)
{
    return Game.state() == QProcess::NotRunning || Game.waitForFinished(ms);
}

bool XSession::GameRunning() const
{
    return Game.state() == QProcess::Running;
}

namespace {

unsigned long Search(Display* display, Window parent, const QByteArray& title, Window besides)
{
    Window root = 0;
    Window up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &up, &children, &count) == 0) {
        return 0;
    }
    const std::unique_ptr<Window, int (*)(void*)> owned(children, XFree);
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        char* name = nullptr;
        if (XGetWindowAttributes(display, children[i], &attributes) == 0 ||
            attributes.map_state != IsViewable) {
            continue;
        }
        if (XFetchName(display, children[i], &name) != 0) {
            const bool match = title == name && children[i] != besides;
            XFree(name);
            if (match) {
                return children[i];
            }
        }
        // A window manager puts each window inside a frame of its own.
        if (const unsigned long inside = Search(display, children[i], title, besides)) {
            return inside;
        }
    }
    return 0;
}

} // namespace

unsigned long XSession::FindWindow(const QString& title, int ms, unsigned long besides) const
{
    QElapsedTimer clock;
    clock.start();
    do {
        XSync(Connection, False);
        if (const unsigned long window =
                Search(Connection, DefaultRootWindow(Connection), title.toUtf8(), besides)) {
            QThread::msleep(300); // let it paint
            return window;
        }
        QThread::msleep(50);
    } while (clock.elapsed() < ms);
    return 0;
}

QRect XSession::Geometry(unsigned long window) const
{
    XWindowAttributes attributes;
    XGetWindowAttributes(Connection, window, &attributes);
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(Connection, window, DefaultRootWindow(Connection), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

int XSession::ChildWindows(unsigned long window) const
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(Connection, window, &root, &parent, &children, &count) == 0) {
        return -1;
    }
    // Unmapped ones are the toolkit's bookkeeping (Qt's user-time window), not controls.
    int shown = 0;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        shown += XGetWindowAttributes(Connection, children[i], &attributes) != 0 &&
                 attributes.map_state != IsUnmapped;
    }
    XFree(children);
    return shown;
}

QRect XSession::FrameGeometry(unsigned long window) const
{
    // The frame is the ancestor that is a child of the root window.
    Window frame = window;
    for (;;) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(Connection, frame, &root, &parent, &children, &count) == 0) {
            break;
        }
        XFree(children);
        if (parent == root || parent == 0) {
            break;
        }
        frame = parent;
    }
    return Geometry(frame);
}

QPoint XSession::Pointer() const
{
    Window root = 0;
    Window child = 0;
    int x = 0;
    int y = 0;
    int childX = 0;
    int childY = 0;
    unsigned int mask = 0;
    XQueryPointer(Connection, DefaultRootWindow(Connection), &root, &child, &x, &y, &childX,
                  &childY, &mask);
    return {x, y};
}

QRect XSession::PopupGeometry(int ms) const
{
    QElapsedTimer clock;
    clock.start();
    do {
        Window root = 0;
        Window up = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        XSync(Connection, False);
        if (XQueryTree(Connection, DefaultRootWindow(Connection), &root, &up, &children, &count) !=
            0) {
            const std::unique_ptr<Window, int (*)(void*)> owned(children, XFree);
            // The topmost unmanaged window of its size that a program made: icewm's frames are
            // unmanaged too, but carry no class, and one is there before the menu opens.
            for (unsigned int i = count; i-- > 0;) {
                XWindowAttributes attributes;
                XClassHint hint{};
                if (XGetWindowAttributes(Connection, children[i], &attributes) != 0 &&
                    attributes.map_state == IsViewable && attributes.override_redirect != 0 &&
                    attributes.width >= 40 && attributes.height >= 40 &&
                    XGetClassHint(Connection, children[i], &hint) != 0) {
                    XFree(hint.res_name);
                    XFree(hint.res_class);
                    return Geometry(children[i]);
                }
            }
        }
        QThread::msleep(50);
    } while (clock.elapsed() < ms);
    return {};
}

void XSession::RequestClose(unsigned long window) const
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(Connection, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(Connection, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(Connection, window, False, NoEventMask, &event);
    XFlush(Connection);
}

void XSession::Xdotool(const QStringList& arguments) const
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), Display);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(5000);
}

void XSession::Keys(const QStringList& keys) const
{
    Xdotool(QStringList{"key", "--delay", "60"} + keys);
}

void XSession::ClickAt(QPoint screen) const
{
    ClicksAt({screen});
}

void XSession::Drag(QPoint from, QPoint to) const
{
    Xdotool({"mousemove", QString::number(from.x()), QString::number(from.y()), "mousedown", "1",
             "sleep", "0.1", "mousemove", QString::number((from.x() + to.x()) / 2),
             QString::number((from.y() + to.y()) / 2), "sleep", "0.1", "mousemove",
             QString::number(to.x()), QString::number(to.y()), "sleep", "0.1", "mouseup", "1"});
}

void XSession::ClickHere() const
{
    // From this process, as xdotool does it, but without a process to start: the click is made
    // when this returns.
    XTestFakeButtonEvent(Connection, 1, True, CurrentTime);
    XTestFakeButtonEvent(Connection, 1, False, CurrentTime);
    XSync(Connection, False);
}

void XSession::ClicksAt(const QList<QPoint>& screen) const
{
    QStringList arguments;
    for (const QPoint& at : screen) {
        arguments << "mousemove" << QString::number(at.x()) << QString::number(at.y()) << "click"
                  << "1";
    }
    Xdotool(arguments);
}

QColor XSession::Pixel(QPoint screen) const
{
    const QImage pixel = Grab({screen, QSize(1, 1)});
    return pixel.isNull() ? QColor() : pixel.pixelColor(0, 0);
}

QImage XSession::Grab(QRect area, unsigned long window) const
{
    XImage* image = XGetImage(Connection, window != 0 ? window : DefaultRootWindow(Connection),
                              area.x(), area.y(), static_cast<unsigned int>(area.width()),
                              static_cast<unsigned int>(area.height()), AllPlanes, ZPixmap);
    QImage grabbed(area.size(), QImage::Format_RGB32);
    if (image == nullptr) {
        return {};
    }
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            grabbed.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y) & 0xffffff));
        }
    }
    XDestroyImage(image);
    return grabbed;
}

void XSession::Focus(unsigned long window) const
{
    Xdotool({"windowfocus", "--sync", QString::number(window)});
}

QByteArray XSession::CursorImage() const
{
    XFixesCursorImage* cursor = XFixesGetCursorImage(Connection);
    if (cursor == nullptr) {
        return {};
    }
    QByteArray image;
    for (const long value :
         {long(cursor->width), long(cursor->height), long(cursor->xhot), long(cursor->yhot)}) {
        image.append(QByteArray::number(static_cast<qlonglong>(value))).append(',');
    }
    for (int i = 0; i < cursor->width * cursor->height; ++i) {
        const auto pixel = static_cast<quint32>(cursor->pixels[i]);
        image.append(reinterpret_cast<const char*>(&pixel), sizeof pixel);
    }
    XFree(cursor);
    return image;
}

void XSession::MoveTo(QPoint screen) const
{
    Xdotool({"mousemove", QString::number(screen.x()), QString::number(screen.y())});
}
