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
    // Where the caret is drawn, for a screen reader's character extents.
    [[nodiscard]] QRect CaretRect() const { return cursorRect(); }

  signals:
    void GotFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    unsigned FocusesTaken = 0;
    // A focus moved here while the window was inactive, which Qt delivers at activation.
    bool FocusAtActivation = false;
    // Set by a focus that a press gave, for that very press, which Qt delivers right after.
    bool ClickGaveFocus = false;
    // That press is held: it only focuses, it neither places the caret nor drags a selection.
    bool FocusingPress = false;
};
