// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include <QLineEdit>

// A single-line text box that reports when it receives the focus, takes text of any length,
// and keeps the selection that its focus handler makes when a click gave it the focus.
class TextBox final : public QLineEdit {
    Q_OBJECT

  public:
    TextBox(const QString& text, QWidget* parent);

    // Moves the keyboard focus here, which raises GotFocus also while the window is inactive.
    void TakeFocus();

  signals:
    void GotFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool ClickGaveFocus = false;
    bool FocusEventSent = false;
    bool FocusAtActivation = false;
};
