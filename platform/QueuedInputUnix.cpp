// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/QueuedInput.h"

namespace platform {

// Qt reads X11 and Wayland events on a thread of its own, also while the user-interface thread
// is blocked: what was made meanwhile is in Qt's queue already, where the input drop takes it.
void DiscardWaitingInput() {}

} // namespace platform
