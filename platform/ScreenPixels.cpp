// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/ScreenPixels.h"

#include <QScreen>
#include <QWidget>

namespace platform {

QRect ForScreenReader(const QWidget* widget, const QRect& global)
{
#if QT_CONFIG(accessibility_atspi_bridge)
    const qreal scale = widget->devicePixelRatioF();
    const QScreen* screen = widget->screen();
    const QPointF origin = screen != nullptr ? screen->geometry().topLeft() : QPointF();
    return QRectF(origin + (QPointF(global.topLeft()) - origin) * scale,
                  QSizeF(global.size()) * scale)
        .toAlignedRect();
#else
    Q_UNUSED(widget);
    return global;
#endif
}

QRect ScreenPixelsAccessible::rect() const
{
    return ForScreenReader(widget(), QAccessibleWidget::rect());
}

} // namespace platform
