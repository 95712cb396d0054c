// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "setup/TextBox.h"

#include <QFocusEvent>
#include <QMouseEvent>

#include <limits>

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(parent)
{
    // QLineEdit stops at 32,767 characters by default; names may be longer.
    setMaxLength(std::numeric_limits<int>::max());
    setText(text);
}

void TextBox::TakeFocus()
{
    const unsigned focusesBefore = FocusesTaken;
    setFocus(Qt::OtherFocusReason);
    if (FocusesTaken != focusesBefore) {
        return;
    }
    if (isActiveWindow()) {
        // It had the focus already: Qt sends no event, but the move still counts.
        emit GotFocus();
    } else {
        // Qt delivers the focus when the window is activated.
        FocusAtActivation = true;
    }
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The window coming back to the front, or a closed popup, is no new focus: the user's
    // caret and selection stay as they were. Only the activation that delivers a focus moved
    // while the window was inactive counts.
    if (event->reason() == Qt::PopupFocusReason ||
        (event->reason() == Qt::ActiveWindowFocusReason && !FocusAtActivation)) {
        return;
    }
    if (event->reason() == Qt::ActiveWindowFocusReason) {
        FocusAtActivation = false;
    }
    ClickGaveFocus = event->reason() == Qt::MouseFocusReason;
    ++FocusesTaken;
    emit GotFocus();
}

// Nothing of a click survives the focus leaving or the dialog hiding, so a release lost to a
// broken grab cannot swallow a later press.
void TextBox::focusOutEvent(QFocusEvent* event)
{
    ClickGaveFocus = FocusingPress = false;
    QLineEdit::focusOutEvent(event);
}

void TextBox::hideEvent(QHideEvent* event)
{
    ClickGaveFocus = FocusingPress = FocusAtActivation = false;
    QLineEdit::hideEvent(event);
}

// The press that gave the focus would place the caret and undo the whole-text selection;
// that one click only focuses.
void TextBox::mousePressEvent(QMouseEvent* event)
{
    FocusingPress = ClickGaveFocus && event->button() == Qt::LeftButton;
    ClickGaveFocus = false;
    if (FocusingPress) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseMoveEvent(QMouseEvent* event)
{
    if (FocusingPress && (event->buttons() & Qt::LeftButton) != 0) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (FocusingPress && event->button() == Qt::LeftButton) {
        FocusingPress = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
