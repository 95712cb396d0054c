// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/ProgramInfo.h"

#include "ZorvaneVersion.h"

namespace platform {

QString CopyrightNotice()
{
    return QString::fromUtf8(ZORVANE_COPYRIGHT);
}

} // namespace platform
