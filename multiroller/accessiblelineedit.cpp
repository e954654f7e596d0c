// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "multiroller/accessiblelineedit.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <utility>

namespace {

class AccessibleLineEdit final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleLineEdit(QLineEdit *edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !edit()->isReadOnly();
        state.readOnly = edit()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // The text interface.
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = int(edit()->selectionStart());
            *end = int(edit()->selectionEnd());
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        return start <= end ? edit()->text().mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(edit()->text().size()); }
    QRect characterRect(int offset) const override
    {
        const QString all = edit()->text();
        if (offset < 0 || offset >= all.size())
            return {};
        // The short text is shown unscrolled, from the left of the box's contents.
        const QFontMetrics metrics(edit()->font());
        const QRect contents = edit()->contentsRect().marginsRemoved(edit()->textMargins());
        QRect r(contents.left() + metrics.horizontalAdvance(all.left(offset)),
                contents.top() + (contents.height() - metrics.height()) / 2,
                metrics.horizontalAdvance(all.mid(offset, 1)), metrics.height());
        r.moveTopLeft(edit()->mapToGlobal(r.topLeft()));
        return r;
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        edit()->setCursorPosition(end);
        edit()->setCursorPosition(start);
    }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                         int *end) const override
    {
        QString all = edit()->text();
        if (offset == -2) // the caret
            offset = cursorPosition();
        if (offset < 0 || offset >= all.size()) {
            *start = *end = all.isEmpty() || offset < 0 ? -1 : int(all.size());
            return {};
        }
        QTextBoundaryFinder::BoundaryType finderType = QTextBoundaryFinder::Grapheme;
        switch (type) {
        case QAccessible::CharBoundary:
            break;
        case QAccessible::WordBoundary:
            finderType = QTextBoundaryFinder::Word;
            break;
        case QAccessible::SentenceBoundary:
            finderType = QTextBoundaryFinder::Sentence;
            break;
        default: // a line, a paragraph or all of it: the whole one-line text
            *start = 0;
            *end = int(all.size());
            return all;
        }
        QTextBoundaryFinder finder(finderType, all);
        finder.setPosition(offset);
        if (!finder.isAtBoundary())
            finder.toPreviousBoundary();
        *start = int(qMax<qsizetype>(0, finder.position()));
        finder.setPosition(offset);
        const qsizetype next = finder.toNextBoundary();
        *end = int(next < 0 ? all.size() : next);
        return all.mid(*start, *end - *start);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                             int *end) const override
    {
        int at = 0;
        int atEnd = 0;
        textAtOffset(offset, type, &at, &atEnd);
        if (at > 0)
            return textAtOffset(at - 1, type, start, end);
        *start = *end = -1;
        return {};
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                            int *end) const override
    {
        int at = 0;
        int atEnd = 0;
        textAtOffset(offset, type, &at, &atEnd);
        if (atEnd >= 0 && atEnd < characterCount())
            return textAtOffset(atEnd, type, start, end);
        *start = *end = -1;
        return {};
    }

    // The editable text interface.
    void deleteText(int start, int end) override
    {
        edit()->setText(edit()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString &text) override
    {
        edit()->setText(edit()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString &text) override
    {
        edit()->setText(edit()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *edit = qobject_cast<QLineEdit *>(object))
        return new AccessibleLineEdit(edit);
    return nullptr;
}

} // namespace

void installAccessibleLineEdits()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(factory);
}
