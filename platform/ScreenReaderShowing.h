// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// What a screen reader believes of a window that is shown after it was made.

class QWidget;

namespace platform {

// Qt's AT-SPI bridge tells a screen reader when a window starts showing, never that it became
// visible. A screen reader that keeps what it read (Orca) and read a window while it was made
// but not yet shown keeps it invisible once shown, and its flat review finds nothing in it. The
// board window is such a window: Qt makes it as the owner of the setup dialog shown before it.
// Called as the window shows, this gives the window a new accessible object, which a screen
// reader knows nothing of and so reads anew. Qt 6.4's bridge and 6.8's send the same; Orca 48
// reads a window's state again where Orca 43 did not, but a reader may keep it as 43 does.
// Windows, whose screen readers use UI Automation, has not the fault.
void ShowAnewToScreenReaders(QWidget* window);

} // namespace platform
