// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/FramesSeenUnix.h"
#include "platform/PlacementFrame.h"
#include "platform/X11Connection.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <optional>
#include <thread>

namespace platform {

namespace {

const char* const HolderName = "zorvaneFramesSeen";

class FramesSeenHolder final : public QObject {
  public:
    explicit FramesSeenHolder(QObject* application) : QObject(application)
    {
        setObjectName(QLatin1String(HolderName));
    }
    FramesSeen Facts;
};

// The frame a window manager says it will give the window, asked before the window is mapped
// (_NET_REQUEST_FRAME_EXTENTS). A window manager that does not answer within a fifth of a
// second is not asked again.
std::optional<QMargins> AskedFrame(QWidget* window)
{
    xcb_connection_t* x11 = X11Connection();
    if (x11 == nullptr || !Seen().AnswersRequests) {
        return std::nullopt;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x11)).data->root;
    const Reply<xcb_get_selection_owner_reply_t> manager(xcb_get_selection_owner_reply(
        x11, xcb_get_selection_owner(x11, Atom(x11, "WM_S0")), nullptr));
    if (!manager || manager->owner == XCB_WINDOW_NONE) {
        return std::nullopt; // no window manager: no frame
    }
    // Qt's window is made for the asking.
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
    Seen().AnswersRequests = false;
    return std::nullopt;
}

} // namespace

FramesSeen& Seen()
{
    QCoreApplication* application = QCoreApplication::instance();
    auto* holder = static_cast<FramesSeenHolder*>(
        application->findChild<QObject*>(QLatin1String(HolderName), Qt::FindDirectChildrenOnly));
    return (holder != nullptr ? holder : new FramesSeenHolder(application))->Facts;
}

// X11 window managers frame a window as they map it. Asked, most tell the frame before; else
// the last window's frame is the best guess (none for the first).
QMargins ExpectedFrame(QWidget* window)
{
    return AskedFrame(window).value_or(Seen().Last);
}

} // namespace platform
