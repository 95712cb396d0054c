// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include <QPoint>
#include <QWidget>

// A drawn rule: a straight black line between two points of its parent, a given width.
// It takes no mouse input, so the pointer reaches the window beneath. A screen reader sees a
// named rule as a picture and an unnamed one as a separator.
class LineControl final : public QWidget {
    Q_OBJECT

  public:
    LineControl(QPoint from, QPoint to, int width, QWidget* parent);

    [[nodiscard]] QPoint From() const { return Start; }
    [[nodiscard]] QPoint To() const { return End; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPoint Start;
    QPoint End;
    int Width;
};
