// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "platform/MarkPicture.h"

#include <QPainter>
#include <QSvgRenderer>

MarkPicture::MarkPicture(QSvgRenderer* picture, QWidget* parent) : QLabel(parent), Picture(picture)
{
}

void MarkPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Picture->render(&painter, QRectF(rect()));
}
