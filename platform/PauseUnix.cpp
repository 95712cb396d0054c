// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/Pause.h"
#include "platform/X11Connection.h"

#include <cstdlib>
#include <thread>

namespace platform {

void FinishDrawing()
{
    // Qt's X11 backing store has sent the repaint, but the server may not have drawn it yet, and
    // a compositor redraws the screen only once told that a window's frame is damaged. Where the
    // window's depth differs from its frame's (metacity's frames are 32 bits deep), the server
    // copies the window into its frame, and so reports the damage, only when it gets round to
    // it, or at once when the screen is read. So a pixel of the screen is read, which is also a
    // round trip. It must come before the hourglass: Xvfb, which draws the pointer itself, at
    // times reports nothing for a copy made just after the pointer over it changed shape.
    if (xcb_connection_t* x11 = X11Connection(); x11 != nullptr) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x11)).data->root;
        std::free(xcb_get_image_reply(
            x11, xcb_get_image(x11, XCB_IMAGE_FORMAT_Z_PIXMAP, root, 0, 0, 1, 1, ~0U), nullptr));
    }
}

void Sleep(std::chrono::milliseconds length)
{
    std::this_thread::sleep_for(length);
}

} // namespace platform
