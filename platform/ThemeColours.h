// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The colours that stand for the system colour table's entries, from the theme's palette.

#include "platform/SystemColour.h"

#include <QColor>

namespace platform {

QColor Colour(zorvane::SystemColour entry);

} // namespace platform
