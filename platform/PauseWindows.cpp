// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/Pause.h"

#include <qt_windows.h>

namespace platform {

void FinishDrawing()
{
    // GDI batches a thread's drawing calls: the repaint just made reaches the screen only when
    // the batch is flushed, which a blocked thread would not do until after the pause.
    GdiFlush();
    // Wine's GdiFlush does nothing; it sends a window's drawing to the X server when the thread
    // looks at its message queue. A look that waits for nothing and takes nothing from it.
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
}

void Sleep(std::chrono::milliseconds length)
{
    ::Sleep(static_cast<DWORD>(length.count()));
}

} // namespace platform
