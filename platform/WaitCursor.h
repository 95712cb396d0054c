// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The hourglass of the computer's pause, and the input made under it, which is dropped.

namespace platform {

// The application-wide hourglass pointer.
void SetWaitCursor(bool waiting);

// Drops the presses, releases and keys that were made while the thread was blocked and are
// still queued, so that a click made under the hourglass is not replayed once it is gone.
// Pointer moves still get through. Returns at once: the queue is emptied by the event loop.
void DropQueuedInput();
// Whether input is being dropped now: what arrives by other ways than input events, such as a
// screen reader's action, is dropped with it.
[[nodiscard]] bool DroppingInput();

} // namespace platform
