#include "platform/LineControl.h"

#include <QPainter>
#include <QPen>

LineControl::LineControl(QPoint from, QPoint to, int width, QWidget* parent)
    : QWidget(parent), Start(from), End(to), Width(width)
{
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
        // Axis-aligned rules are filled exactly, centred on the given coordinate.
        const int half = Width / 2;
        QRect band = QRect(a, b).normalized();
        band = a.x() == b.x() ? band.adjusted(-half, 0, Width - 1 - half, 0)
                              : band.adjusted(0, -half, 0, Width - 1 - half);
        painter.fillRect(band, Qt::black);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, Width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(a) + QPointF(0.5, 0.5), QPointF(b) + QPointF(0.5, 0.5));
}
