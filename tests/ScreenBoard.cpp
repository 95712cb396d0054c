// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "ScreenBoard.h"

#include "board/BoardGeometry.h"

#include <QElapsedTimer>
#include <QImage>
#include <QThread>

namespace geometry = zorvane::geometry;

bool Dark(const QColor& colour)
{
    return colour.lightness() < 90;
}

bool Red(const QColor& colour)
{
    return colour.red() > 200 && colour.green() < 80 && colour.blue() < 80;
}

bool WaitFor(const std::function<bool()>& condition, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        QThread::msleep(25);
    }
    return true;
}

// An O is a ring: dark at its top, light in its middle; an X is dark in its middle.
bool ScreenBoard::HasO(int cell) const
{
    const auto [x, y] = geometry::MarkCorner(cell);
    return Dark(At(x + 16, y + 5)) && !Dark(At(x + 16, y + 22));
}

bool ScreenBoard::HasX(int cell) const
{
    const auto [x, y] = geometry::MarkCorner(cell);
    return Dark(At(x + 15, y + 15)) && !Dark(At(x + 16, y + 5));
}

QPoint ScreenBoard::Centre(int cell) const
{
    const auto [x, y] = geometry::CellCentre(cell);
    return Origin + QPoint(x, y);
}

void ScreenBoard::Click(int cell) const
{
    X.ClickAt(Centre(cell));
}

QRect ScreenBoard::RedArea(QRect area) const
{
    const QImage image = X.Grab(area.translated(Origin));
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Red(image.pixelColor(x, y))) {
                found |= QRect(area.x() + x, area.y() + y, 1, 1);
            }
        }
    }
    return found;
}

void ScreenBoard::Save(const QString& name) const
{
    X.Grab({Origin, QSize(geometry::ClientWidth, geometry::ClientHeight)}).save(name);
}

ScreenBoard StartOn(XSession& x, bool onePlayer)
{
    x.StartGame();
    if (!x.FindWindow("Choose your playing style")) {
        return {x, {}};
    }
    // An access key clicks its option a moment later; OK must wait for it.
    x.Keys({onePlayer ? "alt+o" : "alt+t"});
    QThread::msleep(400);
    x.Keys({"Return"});
    const unsigned long board = x.FindWindow("Zorvane");
    x.Focus(board);
    const QRect frame = x.Geometry(board);
    return {x, frame.topLeft() + QPoint(0, frame.height() - geometry::ClientHeight), board};
}
