// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include <QLabel>

// A banner the board shows over its cells ("Next Round", the verdict). It blinks by painting,
// not by showing and hiding, so that a screen reader is told of it once for the whole time it
// stands, not at each blink. A screen reader sees it as a notification, which it reads aloud
// as it appears.
class BannerLabel final : public QLabel {
    Q_OBJECT

  public:
    BannerLabel(const QString& text, QWidget* parent);

    void SetLit(bool lit);
    [[nodiscard]] bool Lit() const { return IsLit; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool IsLit = true;
};
