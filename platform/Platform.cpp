// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/Platform.h"

#include "ZorvaneVersion.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontDatabase>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace platform {

QColor Colour(zorvane::SystemColour entry)
{
    const QPalette palette = QApplication::palette();
    if (entry == zorvane::SystemColour::EntryBackground) {
        return palette.color(QPalette::Active, QPalette::Base);
    }
    // Qt has no caption colours; the dialog ground is what an inactive caption's text reads as.
    return palette.color(QPalette::Active, QPalette::Window);
}

namespace {

double Luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor& one, const QColor& two)
{
    const double a = Luminance(one);
    const double b = Luminance(two);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor BoardGround(const QColor& themeWindow)
{
    if (ContrastRatio(themeWindow, Qt::black) >= 7.0 &&
        ContrastRatio(themeWindow, QColor(255, 0, 0)) >= 3.0) {
        return themeWindow;
    }
    return {0xf0, 0xf0, 0xf0};
}

void Sleep(std::chrono::milliseconds length)
{
    std::this_thread::sleep_for(length);
}

namespace {

// The frame of the last window the window manager framed: the best guess for the next one.
QMargins LastFrame;

// Corrects a window's first placement once, when the window manager has framed it and the
// real frame is known, and only while the window is still where it was put: a place the window
// manager chose, or a move the user made, always stands.
class FrameCorrection final : public QObject {
  public:
    FrameCorrection(QWidget* window, QPoint frameAt, QMargins guess, QPoint centre, QRect bounds)
        : QObject(window), Window(window), FrameAt(frameAt), Guess(guess), Centre(centre),
          Bounds(bounds)
    {
        Window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The native window exists from the widget's show event on.
        if (watched == Window && event->type() == QEvent::Show) {
            Window->removeEventFilter(this);
            Window->windowHandle()->installEventFilter(this);
            return false;
        }
        QWindow* handle = Window->windowHandle();
        if (watched != handle || event->type() != QEvent::Expose || !handle->isExposed()) {
            return false;
        }
        // The window manager frames a window before it maps it, so its first exposure is the
        // first moment the frame is known.
        handle->removeEventFilter(this);
        deleteLater();
        LastFrame = handle->frameMargins();
        if (LastFrame != Guess && StillWherePut(handle->framePosition())) {
            // Qt converts the client's position for the window manager, whichever gravity the
            // window was created with.
            handle->setPosition(CentredFrame(handle->size(), LastFrame, Centre, Bounds) +
                                QPoint(LastFrame.left(), LastFrame.top()));
        }
        return false;
    }

  private:
    // Some window managers (icewm) report the first position as if the frame were not yet
    // there: an offset within the frame's own size is the same place, a larger one is a place
    // of the window manager's choosing.
    [[nodiscard]] bool StillWherePut(QPoint frameAt) const
    {
        const QPoint off = frameAt - FrameAt;
        return std::abs(off.x()) <= LastFrame.left() + LastFrame.right() &&
               std::abs(off.y()) <= LastFrame.top() + LastFrame.bottom();
    }

    QWidget* Window;
    QPoint FrameAt;
    QMargins Guess;
    QPoint Centre;
    QRect Bounds;
};

void Place(QWidget* window, QPoint centre, const QRect& bounds)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return; // the compositor places every window itself
    }
    const QPoint frameAt = CentredFrame(window->size(), LastFrame, centre, bounds);
    if (QWindow* handle = window->windowHandle(); handle != nullptr) {
        // Made already (as the owner of a dialog): its position is that of the client.
        handle->setPosition(frameAt + QPoint(LastFrame.left(), LastFrame.top()));
    } else {
        window->move(frameAt);
    }
    new FrameCorrection(window, frameAt, LastFrame, centre, bounds);
}

} // namespace

QPoint CentredFrame(QSize client, QMargins frame, QPoint centre, const QRect& bounds)
{
    QRect outer = QRect(QPoint(), client).marginsAdded(frame);
    outer.moveCenter(centre);
    // Kept inside the work area where it fits, its title bar first.
    outer.moveRight(std::min(outer.right(), bounds.right()));
    outer.moveBottom(std::min(outer.bottom(), bounds.bottom()));
    outer.moveLeft(std::max(outer.left(), bounds.left()));
    outer.moveTop(std::max(outer.top(), bounds.top()));
    return outer.topLeft();
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        Place(window, area.center(), area);
    }
}

void CentreOver(QWidget* window, const QWidget* owner)
{
    // The window system's own idea of the frame: QWidget's lags behind it at times.
    const QRect frame = owner->windowHandle()->frameGeometry();
    const QScreen* screen = owner->screen();
    Place(window, frame.center(), screen != nullptr ? screen->availableGeometry() : frame);
}

void SetWaitCursor(bool waiting)
{
    if (waiting) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QApplication::restoreOverrideCursor();
    }
}

namespace {

// Swallows every press, release and key delivered while it lives.
class InputDrop final : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void DropQueuedInput()
{
    auto* drop = new InputDrop(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(drop);
    // Lifted once the event loop has delivered what was queued by then: first every event
    // posted before this one, then, through a zero timer, what the window system still held.
    QMetaObject::invokeMethod(
        drop, [drop] { QTimer::singleShot(0, drop, &QObject::deleteLater); }, Qt::QueuedConnection);
}

namespace {

void LoadBannerFonts()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        return;
    }
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") +
                                          QLatin1String(file));
    }
}

} // namespace

QFont BannerFont(qreal pointSize)
{
    static const bool loaded = (LoadBannerFonts(), true);
    Q_UNUSED(loaded);
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QString CopyrightNotice()
{
    return QString::fromUtf8(ZORVANE_COPYRIGHT);
}

void EndProgram()
{
    QCoreApplication::exit(0);
}

namespace {

QtMessageHandler PreviousHandler = nullptr;

struct HeldMessage {
    QtMsgType Type;
    QByteArray Category;
    QString Text;
};
std::vector<HeldMessage> Held;

void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        Held.push_back({type, QByteArray(context.category), text});
        return;
    }
    // Qt's fatal line is the same for every cause; the cause is in what it said before.
    const bool noDisplay = std::any_of(Held.begin(), Held.end(), [](const HeldMessage& held) {
        return held.Text.contains(QLatin1String("could not connect to display"));
    });
    if (noDisplay) {
        const QByteArray display = qgetenv("DISPLAY");
        if (display.isEmpty()) {
            std::fputs("zorvane: no display to open a window on (is DISPLAY set?)\n", stderr);
        } else {
            std::fprintf(stderr, "zorvane: cannot open the display %s\n", display.constData());
        }
    } else {
        for (const HeldMessage& held : Held) {
            std::fprintf(stderr, "zorvane: %s\n", qUtf8Printable(held.Text));
        }
        std::fprintf(stderr, "zorvane: %s\n", qUtf8Printable(text.trimmed()));
    }
    std::_Exit(EXIT_FAILURE);
}

} // namespace

DisplayGuard::DisplayGuard()
{
    PreviousHandler = qInstallMessageHandler(StartupMessages);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(PreviousHandler);
    // The start went well: what Qt said on the way goes out as it would have.
    for (const HeldMessage& held : Held) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.Category.constData());
        qt_message_output(held.Type, context, held.Text);
    }
    Held.clear();
}

} // namespace platform
