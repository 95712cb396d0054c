// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/BannerFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace platform {

namespace {

void LoadBannerFonts()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        return;
    }
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") +
                                          QLatin1String(file));
    }
}

} // namespace

QFont BannerFont(qreal pointSize)
{
    static const bool loaded = (LoadBannerFonts(), true);
    Q_UNUSED(loaded);
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace platform
