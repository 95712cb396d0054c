// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/LineControl.h"

#include "platform/ScreenPixels.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace {

class LineAccessible final : public platform::ScreenPixelsAccessible {
  public:
    explicit LineAccessible(QWidget* line) : platform::ScreenPixelsAccessible(line) {}

    [[nodiscard]] QAccessible::Role role() const override
    {
        return widget()->accessibleName().isEmpty() ? QAccessible::Separator : QAccessible::Graphic;
    }
};

QAccessibleInterface* LineFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("LineControl") && object->isWidgetType()) {
        return new LineAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

// Whole device pixels: at fractional scales every rule of a width gets the same thickness.
int DevicePixels(double logical, qreal ratio)
{
    return static_cast<int>(std::lround(logical * ratio));
}

} // namespace

LineControl::LineControl(QPoint from, QPoint to, int width, QWidget* parent)
    : QWidget(parent), Start(from), End(to), Width(width)
{
    static const bool factoryInstalled = (QAccessible::installFactory(LineFactory), true);
    Q_UNUSED(factoryInstalled);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int margin = width;
    setGeometry(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPoint offset = pos();
    const QPoint a = Start - offset;
    const QPoint b = End - offset;
    if (a.x() == b.x() || a.y() == b.y()) {
        // Axis-aligned rules are filled exactly, centred on the given coordinate, in device
        // pixels.
        const qreal ratio = devicePixelRatioF();
        const int half = Width / 2;
        const QRect band = QRect(a, b).normalized();
        const bool vertical = a.x() == b.x();
        const int across = DevicePixels(vertical ? band.left() - half : band.top() - half, ratio);
        const int along = DevicePixels(vertical ? band.top() : band.left(), ratio);
        const int thickness = DevicePixels(Width, ratio);
        const int length = DevicePixels((vertical ? band.height() : band.width()), ratio);
        painter.scale(1 / ratio, 1 / ratio);
        painter.fillRect(vertical ? QRect(across, along, thickness, length)
                                  : QRect(along, across, length, thickness),
                         Qt::black);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, Width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(a) + QPointF(0.5, 0.5), QPointF(b) + QPointF(0.5, 0.5));
}
