// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "setup/TextBox.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTextBoundaryFinder>

#include <limits>
#include <utility>
#include <vector>

namespace {

// The pieces, in order, that boundaries of that kind cut the text into: the whole of it for a
// line, a sentence or a paragraph, as the box holds a single line.
std::vector<std::pair<int, int>> Pieces(const QString& text, QAccessible::TextBoundaryType kind)
{
    const auto length = static_cast<int>(text.size());
    if (length == 0) {
        return {};
    }
    if (kind != QAccessible::CharBoundary && kind != QAccessible::WordBoundary) {
        return {{0, length}};
    }
    QTextBoundaryFinder finder(kind == QAccessible::CharBoundary ? QTextBoundaryFinder::Grapheme
                                                                 : QTextBoundaryFinder::Word,
                               text);
    std::vector<std::pair<int, int>> pieces;
    int start = 0;
    // Each step moves forward, so the walk ends at the end of the text.
    for (auto at = finder.toNextBoundary(); at > start && at <= length;
         at = finder.toNextBoundary()) {
        // Words and the runs between them, as Qt's own text interfaces cut them.
        if (kind == QAccessible::CharBoundary || at == length ||
            (finder.boundaryReasons() &
             (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem)) != 0) {
            pieces.emplace_back(start, static_cast<int>(at));
            start = static_cast<int>(at);
        }
    }
    if (start < length) {
        pieces.emplace_back(start, length);
    }
    return pieces;
}

// Qt's own line edit interface loops for ever when asked for the word or sentence at the end
// of its text, 6.4.2 and 6.8.2 alike, and reports a single empty attribute run, which makes
// Orca drop the last character. This one answers every question from the text alone.
class TextBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
  public:
    explicit TextBoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    [[nodiscard]] TextBox* Box() const { return static_cast<TextBox*>(widget()); }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? Box()->text() : QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind == QAccessible::Value) {
            Box()->setText(text);
        } else {
            QAccessibleWidget::setText(kind, text);
        }
    }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !Box()->isReadOnly();
        state.readOnly = Box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && Box()->hasSelectedText()) {
            *startOffset = Box()->selectionStart();
            *endOffset = Box()->selectionEnd();
        }
    }
    [[nodiscard]] int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0) {
            Box()->deselect();
        }
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0) {
            Box()->setSelection(startOffset, endOffset - startOffset);
        }
    }
    [[nodiscard]] int cursorPosition() const override { return Box()->cursorPosition(); }
    void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
    [[nodiscard]] QString text(int startOffset, int endOffset) const override
    {
        const QString all = Box()->text();
        if (startOffset < 0 || startOffset > endOffset || startOffset > all.size()) {
            return {};
        }
        return all.mid(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int characterCount() const override
    {
        return static_cast<int>(Box()->text().size());
    }
    [[nodiscard]] QRect characterRect(int offset) const override
    {
        const QString all = Box()->text();
        if (offset < 0 || offset >= all.size()) {
            return {};
        }
        // From the caret, which carries the box's scrolling.
        const QFontMetrics metrics(Box()->font());
        const QRect caret = Box()->CaretRect();
        const int x = caret.center().x() + metrics.horizontalAdvance(all.left(offset)) -
                      metrics.horizontalAdvance(all.left(Box()->cursorPosition()));
        const QRect local(x, caret.top(), metrics.horizontalAdvance(all.mid(offset, 1)),
                          caret.height());
        return {Box()->mapToGlobal(local.topLeft()), local.size()};
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = Box()->mapFromGlobal(point);
        return Box()->rect().contains(local) ? Box()->cursorPositionAt(local) : -1;
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        Box()->setCursorPosition(endIndex);
        Box()->setCursorPosition(startIndex);
    }
    // One run of no attributes over the whole text.
    [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        const int length = characterCount();
        *startOffset = offset < 0 || offset > length ? -1 : 0;
        *endOffset = offset < 0 || offset > length ? -1 : length;
        return {};
    }

    [[nodiscard]] QString textBeforeOffset(int offset, QAccessible::TextBoundaryType kind,
                                           int* startOffset, int* endOffset) const override
    {
        return Piece(offset, kind, -1, startOffset, endOffset);
    }
    [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType kind,
                                       int* startOffset, int* endOffset) const override
    {
        return Piece(offset, kind, 0, startOffset, endOffset);
    }
    [[nodiscard]] QString textAfterOffset(int offset, QAccessible::TextBoundaryType kind,
                                          int* startOffset, int* endOffset) const override
    {
        return Piece(offset, kind, 1, startOffset, endOffset);
    }

    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        QString all = Box()->text();
        if (0 <= startOffset && startOffset <= endOffset && endOffset <= all.size()) {
            Box()->setText(all.replace(startOffset, endOffset - startOffset, text));
        }
    }

  private:
    // The piece at the offset, or `step` pieces from it. At the end of the text, the last
    // piece is the one there, but no character is; -1 is the end, -2 the caret.
    QString Piece(int offset, QAccessible::TextBoundaryType kind, int step, int* startOffset,
                  int* endOffset) const
    {
        *startOffset = *endOffset = -1;
        const QString all = Box()->text();
        const auto length = static_cast<int>(all.size());
        offset = offset == -1 ? length : offset == -2 ? Box()->cursorPosition() : offset;
        if (offset < 0 || offset > length) {
            return {};
        }
        const auto pieces = Pieces(all, kind);
        auto index = static_cast<std::ptrdiff_t>(pieces.size());
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (offset < pieces[i].second) {
                index = static_cast<std::ptrdiff_t>(i);
                break;
            }
        }
        if (index == static_cast<std::ptrdiff_t>(pieces.size()) &&
            kind != QAccessible::CharBoundary && step == 0) {
            --index;
        }
        index += step;
        if (index < 0 || index >= static_cast<std::ptrdiff_t>(pieces.size())) {
            *startOffset = *endOffset = step > 0 ? length : 0;
            return {};
        }
        const auto [start, end] = pieces[static_cast<std::size_t>(index)];
        *startOffset = start;
        *endOffset = end;
        return all.mid(start, end - start);
    }
};

QAccessibleInterface* TextBoxFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TextBox") && object->isWidgetType()) {
        return new TextBoxAccessible(static_cast<TextBox*>(object));
    }
    return nullptr;
}

} // namespace

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(parent)
{
    // Before the first text change, which asks for the box's interface.
    static const bool factoryInstalled = (QAccessible::installFactory(TextBoxFactory), true);
    Q_UNUSED(factoryInstalled);
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
