// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "ui/accessibility.h"

#include "ui/announcer.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QDialog>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace accessibility {

namespace {

constexpr char patternProperty[] = "accessibleNamePattern";
constexpr char heldProperty[] = "accessibleNameHeld"; // the caption the name keeps, if any

// A top-level window whose active state is its platform window's. As the active window
// changes, assistive technology asks each window whether it is active before the widgets
// know: the platform window answers right, so that the old window is told inactive and the
// new one active, and a screen reader does not speak the new window's focus twice.
class AccessibleWindow final : public QAccessibleWidget
{
public:
    AccessibleWindow(QWidget *window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const QWindow *window = widget()->windowHandle())
            state.active = window->isActive();
        return state;
    }
};

// The caption `control` shows.
QString captionOf(const QWidget *control)
{
    const QVariant own = control->property("caption");
    return own.isValid() ? own.toString() : control->property("text").toString();
}

// A label or push button named after its caption. A button keeps its press action and its
// pressed state.
class CaptionNamed final : public QAccessibleWidget
{
public:
    CaptionNamed(QWidget *control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QString text(QAccessible::Text which) const override
    {
        if (which != QAccessible::Name)
            return QAccessibleWidget::text(which);
        const QVariant held = widget()->property(heldProperty);
        return widget()->property(patternProperty).toString().arg(
            held.isValid() ? held.toString() : captionOf(widget()));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const auto *button = qobject_cast<QAbstractButton *>(widget()))
            state.pressed = button->isDown();
        return state;
    }

    QStringList actionNames() const override
    {
        if (!qobject_cast<QAbstractButton *>(widget()))
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        auto *button = qobject_cast<QAbstractButton *>(widget());
        if (button && action == pressAction())
            button->animateClick();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A line edit, made of its public calls. Its text is read as Qt's own line edit interface
// reads it, but for the attribute run and, before Qt 6.5, the pieces of text around an
// offset, which stand in for Qt 6.4's faulty ones (below). An edit through assistive
// technology, whether it inserts, deletes, replaces, cuts or pastes, goes in as the user's
// own: the range is selected and replaced, as typing over a selection does, so that the
// line edit's editing rules apply to it as to typing (the count box's limit, its undo steps
// and its spoken refusal; the die box's kind dropped once its text is edited). Qt's own
// interface sets the whole text instead, which a line edit takes as the program's text.
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
        // The short text is shown unscrolled, from where the style puts the box's contents,
        // inside its text margins and the two pixels a line edit keeps clear before its text.
        constexpr int textIndent = 2;
        QStyleOptionFrame option;
        option.initFrom(edit());
        option.lineWidth =
            edit()->hasFrame()
                ? edit()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit())
                : 0;
        const QRect contents = edit()
                                   ->style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, edit())
                                   .marginsRemoved(edit()->textMargins());
        const QFontMetrics metrics(edit()->font());
        QRect r(contents.left() + textIndent + metrics.horizontalAdvance(all.left(offset)),
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
        // A line edit has no attributes: one run covers the whole text. (Qt's own line edit
        // answers an empty run at the offset asked, and a screen reader that joins the runs
        // drops the last character of what it speaks: "# of Roll".)
        *start = 0;
        *end = characterCount();
        return {};
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Qt 6.4's pieces of text around an offset, asked for the word at the start of a text
    // that begins with no letter ("# of Rolls"), never return. Here a piece is what lies
    // between the boundaries on either side of the offset.
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
#endif

    // The editable text interface: cutting is deleting, pasting is inserting.
    void deleteText(int start, int end) override
    {
        replaceText(start, end, {});
    }
    void insertText(int offset, const QString &text) override
    {
        replaceText(offset, offset, text);
    }
    void replaceText(int start, int end, const QString &text) override
    {
        QLineEdit *line = edit();
        if (line->isReadOnly())
            return;
        const int size = int(line->text().size());
        start = std::clamp(start, 0, size);
        line->setSelection(start, std::clamp(end, start, size) - start);
        line->insert(text);
    }

private:
    QLineEdit *edit() const
    {
        return static_cast<QLineEdit *>(widget());
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (QAccessibleInterface *notice = announcer::accessibleInterface(object))
        return notice;
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (widget->property(patternProperty).isValid())
        return new CaptionNamed(widget, qobject_cast<QAbstractButton *>(widget)
                                            ? QAccessible::Button
                                            : QAccessible::StaticText);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return new AccessibleLineEdit(edit);
    // Every top-level window has the role of a window, and every dialog that of a dialog,
    // whatever its class is called. Popups and tool tips keep their own roles.
    if (!widget->isWindow())
        return nullptr;
    if (qobject_cast<QDialog *>(widget))
        return new AccessibleWindow(widget, QAccessible::Dialog);
    if (widget->windowType() == Qt::Window)
        return new AccessibleWindow(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void install()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(factory);
}

void holdName(QWidget *control)
{
    control->setProperty(heldProperty, captionOf(control));
}

void releaseName(QWidget *control)
{
    control->setProperty(heldProperty, QVariant());
}

void nameAfterCaption(QWidget *control, const QString &pattern)
{
    control->setProperty(patternProperty, pattern);
    // An interface made for the control before, as its caption was set while assistive
    // technology listened, gives way to one that follows the caption.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(control);
        made && !dynamic_cast<CaptionNamed *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace accessibility
