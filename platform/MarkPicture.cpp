// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/MarkPicture.h"

#include <QPainter>
#include <QSvgRenderer>

MarkPicture::MarkPicture(QSvgRenderer* picture, QWidget* parent) : QLabel(parent), Picture(picture)
{
    // Only for the accessible role: a label with a picture reads as one. Painting uses the SVG.
    QPixmap placeholder(1, 1);
    placeholder.fill(Qt::transparent);
    setPixmap(placeholder);
}

void MarkPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Picture->render(&painter, QRectF(rect()));
}
