// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// What the program has learnt of the X11 window manager's frames, kept with the application
// object: a new application starts knowing nothing.

#include <QMargins>

namespace platform {

struct FramesSeen {
    // The frame of the last window the window manager framed: the best guess for the next one.
    QMargins Last;
    // Whether it answers a request for a window's frame before the window is mapped.
    bool AnswersRequests = true;
};

FramesSeen& Seen();

} // namespace platform
