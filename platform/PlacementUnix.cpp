// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/Placement.h"
#include "platform/PlacementFrame.h"
#include "platform/X11Connection.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>

namespace platform {

namespace {

// An xcb reply, which is the caller's to free.
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// The frame of the last window the window manager framed: the best guess for the next one.
QMargins LastFrame;

// Corrects a window's first placement once, when the window manager has framed it and the
// frame is other than expected, and only while the window is still where it was put: a place
// the window manager chose, or a move the user made, always stands. Most window managers tell
// the frame before the window is mapped, when asked, and this has nothing to do; kwin tells it
// only once it has moved the window into its frame, which may be after the first exposure.
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
            Window->windowHandle()->installEventFilter(this);
            return false;
        }
        QWindow* handle = Window->windowHandle();
        if (watched == Window && event->type() == QEvent::Hide) {
            Done(handle); // the next showing is placed anew
            return false;
        }
        if (watched != handle) {
            return false;
        }
        if (event->type() == QEvent::Expose && handle->isExposed()) {
            Exposed = true;
        } else if (event->type() != QEvent::Move || !Exposed) {
            return false;
        }
        const QMargins frame = handle->frameMargins();
        // While kwin frames a window, Qt may find it in a frame of no size: no frame yet.
        if (frame == Guess || frame.left() < 0 || frame.top() < 0 || frame.right() < 0 ||
            frame.bottom() < 0) {
            return false; // framed as expected, or not framed yet
        }
        LastFrame = frame;
        // Far from where it was put, it may be only on its way there (kwin frames a window at
        // the screen's corner first): watched on.
        if (StillWherePut(handle->framePosition())) {
            Done(handle);
            // Qt converts the client's position for the window manager, whichever gravity the
            // window was created with.
            handle->setPosition(CentredFrame(handle->size(), frame, Centre, Bounds) +
                                QPoint(frame.left(), frame.top()));
        }
        return false;
    }

  private:
    void Done(QWindow* handle)
    {
        Window->removeEventFilter(this);
        if (handle != nullptr) {
            handle->removeEventFilter(this);
        }
        deleteLater();
    }

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
    bool Exposed = false;
};

xcb_atom_t Atom(xcb_connection_t* x11, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        x11, xcb_intern_atom(x11, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The frame a window manager says it will give the window, asked before the window is mapped
// (_NET_REQUEST_FRAME_EXTENTS). Qt's window is made for the asking. A window manager that
// does not answer within a fifth of a second is not asked again.
std::optional<QMargins> AskedFrame(QWidget* window)
{
    static bool answers = true;
    xcb_connection_t* x11 = X11Connection();
    if (x11 == nullptr || !answers) {
        return std::nullopt;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x11)).data->root;
    const Reply<xcb_get_selection_owner_reply_t> manager(xcb_get_selection_owner_reply(
        x11, xcb_get_selection_owner(x11, Atom(x11, "WM_S0")), nullptr));
    if (!manager || manager->owner == XCB_WINDOW_NONE) {
        return std::nullopt; // no window manager: no frame
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t extents = Atom(x11, "_NET_FRAME_EXTENTS");
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = Atom(x11, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(x11, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(x11);
    // Read back rather than waited for as an event, which Qt's own reader takes.
    using namespace std::chrono_literals;
    const auto end = std::chrono::steady_clock::now() + 200ms;
    do {
        const Reply<xcb_get_property_reply_t> told(xcb_get_property_reply(
            x11, xcb_get_property(x11, 0, id, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
        if (told && told->format == 32 && xcb_get_property_value_length(told.get()) == 16) {
            const auto* side = static_cast<const uint32_t*>(xcb_get_property_value(told.get()));
            const qreal ratio = window->devicePixelRatio();
            return QMargins(qRound(side[0] / ratio), qRound(side[2] / ratio),
                            qRound(side[1] / ratio), qRound(side[3] / ratio));
        }
        std::this_thread::sleep_for(1ms);
    } while (std::chrono::steady_clock::now() < end);
    answers = false;
    return std::nullopt;
}

// Where the X server has the window's client area, in its own pixels.
std::optional<QRect> ServerGeometry(xcb_connection_t* x11, const QWindow* window)
{
    const auto id = static_cast<xcb_window_t>(window->winId());
    const Reply<xcb_get_geometry_reply_t> size(
        xcb_get_geometry_reply(x11, xcb_get_geometry(x11, id), nullptr));
    if (!size) {
        return std::nullopt;
    }
    const Reply<xcb_translate_coordinates_reply_t> at(xcb_translate_coordinates_reply(
        x11, xcb_translate_coordinates(x11, id, size->root, 0, 0), nullptr));
    if (!at) {
        return std::nullopt;
    }
    return QRect(at->dst_x, at->dst_y, size->width, size->height);
}

// Qt's position in device-independent pixels from the server's: scaled about the screen's
// origin, as Qt does.
QPoint FromServer(const QWindow* window, QPoint native)
{
    const QScreen* screen = window->screen();
    const QPointF origin = screen != nullptr ? screen->geometry().topLeft() : QPointF();
    return (origin + (QPointF(native) - origin) / window->devicePixelRatio()).toPoint();
}

// Qt believes what the window manager's synthetic ConfigureNotify says of a top-level
// window's position, and some (icewm 3.3 with Qt 6.4) give one too low by the title bar as
// they frame a window: Qt then keeps it until the window moves again. Whenever Qt's position is
// not the server's, the server's is told to Qt in the same way, in an event sent to this
// program alone. Not seen with icewm 3.7 and Qt 6.8; it costs a round trip where nothing is
// wrong, so it stays for every version.
// Returns the server's client area in Qt's pixels, or nothing off X11.
std::optional<QRect> MakePositionTrue(QWindow* window)
{
    xcb_connection_t* x11 = X11Connection();
    if (x11 == nullptr || window == nullptr || !window->isVisible()) {
        return std::nullopt;
    }
    const std::optional<QRect> native = ServerGeometry(x11, window);
    if (!native) {
        return std::nullopt;
    }
    const QPoint truth = FromServer(window, native->topLeft());
    if (truth != window->position()) {
        xcb_configure_notify_event_t told{};
        told.response_type = XCB_CONFIGURE_NOTIFY;
        told.event = told.window = static_cast<xcb_window_t>(window->winId());
        told.x = static_cast<int16_t>(native->x());
        told.y = static_cast<int16_t>(native->y());
        told.width = static_cast<uint16_t>(native->width());
        told.height = static_cast<uint16_t>(native->height());
        // An empty event mask: to the window's creator, this program, and no one else.
        xcb_send_event(x11, 0, told.window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&told));
        xcb_flush(x11);
    }
    return QRect(truth, window->size());
}

// Checks Qt's position against the server's at each exposure after a showing (a hidden
// dialog's native window may be made anew) and at each move Qt is told of.
class PositionKeeper final : public QObject {
  public:
    explicit PositionKeeper(QWidget* window) : QObject(window), Window(window)
    {
        Window->installEventFilter(this);
        if (Window->windowHandle() != nullptr) {
            Window->windowHandle()->installEventFilter(this);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWindow* handle = Window->windowHandle();
        if (watched == Window && event->type() == QEvent::Show && handle != nullptr) {
            handle->installEventFilter(this); // once, however often it is asked
            Unchecked = true;
        } else if (watched == handle && handle != nullptr &&
                   ((event->type() == QEvent::Expose && handle->isExposed() && Unchecked) ||
                    event->type() == QEvent::Move)) {
            Unchecked = false;
            MakePositionTrue(handle);
        }
        return false;
    }

  private:
    QWidget* Window;
    bool Unchecked = true;
};

} // namespace

// X11 window managers frame a window as they map it. Asked, most tell the frame before; else
// the last window's frame is the best guess (none for the first).
QMargins ExpectedFrame(QWidget* window)
{
    return AskedFrame(window).value_or(LastFrame);
}

void CorrectOnceFramed(QWidget* window, QPoint frameAt, QMargins expected, QPoint centre,
                       const QRect& bounds)
{
    new FrameCorrection(window, frameAt, expected, centre, bounds);
}

void KeepPositionTrue(QWidget* window)
{
    const QObjectList& children = window->children();
    if (std::none_of(children.begin(), children.end(), [](const QObject* child) {
            return dynamic_cast<const PositionKeeper*>(child) != nullptr;
        })) {
        new PositionKeeper(window);
    }
}

QRect FrameOnScreen(const QWidget* window)
{
    QWindow* handle = window->windowHandle();
    const std::optional<QRect> client = MakePositionTrue(handle);
    return client ? client->marginsAdded(handle->frameMargins()) : handle->frameGeometry();
}

} // namespace platform
