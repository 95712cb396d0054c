// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

// The banners' font: Tahoma bold italic, the installed one, else the free one of Debian's
// fonts-wine, else the platform's sans-serif.

#include <QFont>

namespace platform {

QFont BannerFont(qreal pointSize);

} // namespace platform
