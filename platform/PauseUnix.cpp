// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/Pause.h"
#include "platform/X11Connection.h"

#include <cstdlib>
#include <thread>

namespace platform {

void Sleep(std::chrono::milliseconds length)
{
    // Qt's X11 backing store has sent the repaint just made, but the server may not have drawn
    // it yet, and a compositor redraws the screen only once the server reports the window
    // damaged. A round trip returns once the server has processed every request before it, so
    // the damage is reported before the pause begins and the compositor, a process of its own,
    // puts it on the screen during it.
    if (xcb_connection_t* x11 = X11Connection(); x11 != nullptr) {
        std::free(xcb_get_input_focus_reply(x11, xcb_get_input_focus(x11), nullptr));
    }
    std::this_thread::sleep_for(length);
}

} // namespace platform
