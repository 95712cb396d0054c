// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/PlacementFrame.h"
#include "platform/X11Connection.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace platform {

namespace {

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
