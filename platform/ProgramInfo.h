// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The program's version information, as About shows it.

#include <QString>

namespace platform {

QString CopyrightNotice();

} // namespace platform
