// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/QueuedInput.h"

#include <qt_windows.h>

namespace platform {

// Windows keeps the input of a blocked thread in the thread's own message queue, where Qt
// sees it only when its event loop next asks. Ranges leave WM_MOUSEMOVE, so the cell under
// the pointer still follows it.
void DiscardWaitingInput()
{
    constexpr UINT Ranges[][2] = {{WM_KEYFIRST, WM_KEYLAST},
                                  {WM_LBUTTONDOWN, WM_MOUSELAST},
                                  {WM_NCLBUTTONDOWN, WM_NCXBUTTONDBLCLK}};
    MSG message;
    for (const auto& range : Ranges) {
        while (PeekMessageW(&message, nullptr, range[0], range[1], PM_REMOVE | PM_NOYIELD)) {
        }
    }
}

} // namespace platform
