// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/ScreenReaderShowing.h"

#include <QAccessible>
#include <QWidget>

namespace platform {

void ShowAnewToScreenReaders(QWidget* window)
{
    if (!QAccessible::isActive()) {
        return; // no screen reader has read anything
    }
    // The next query (Qt's own, as it tells that the window shows) makes a new one, with a new
    // id and so a new AT-SPI path.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(window)));
}

} // namespace platform
