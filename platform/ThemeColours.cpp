// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/ThemeColours.h"

#include <QApplication>
#include <QPalette>

namespace platform {

QColor Colour(zorvane::SystemColour entry)
{
    const QPalette palette = QApplication::palette();
    if (entry == zorvane::SystemColour::EntryBackground) {
        return palette.color(QPalette::Active, QPalette::Base);
    }
    // Qt has no caption colours; the dialog ground is what an inactive caption's text reads as.
    return palette.color(QPalette::Active, QPalette::Window);
}

} // namespace platform
