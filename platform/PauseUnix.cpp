// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/Pause.h"

#include <thread>

namespace platform {

// Qt's X11 backing store flushes its requests to the server when a repaint is done.
void Sleep(std::chrono::milliseconds length)
{
    std::this_thread::sleep_for(length);
}

} // namespace platform
