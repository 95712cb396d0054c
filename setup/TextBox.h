#pragma once

#include <QLineEdit>

// A single-line text box that reports when it receives the focus.
class TextBox final : public QLineEdit {
    Q_OBJECT

  public:
    using QLineEdit::QLineEdit;

  signals:
    void GotFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        emit GotFocus();
    }
};
