// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/ScreenReaderShowing.h"

namespace platform {

// The fault is in Qt's AT-SPI bridge, which Windows does not use: its screen readers go through
// UI Automation.
void ShowAnewToScreenReaders(QWidget*) {}

} // namespace platform
