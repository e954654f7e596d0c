// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "multiroller/countbox.h"

#include "ui/announcer.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBoundaryFinder>

#include <utility>

multiroller::Characters CountBox::characters(const QString &text)
{
    multiroller::Characters result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end; (end = finder.toNextBoundary()) != -1; start = end)
        if (end > start)
            result.push_back(text.mid(start, end - start).toStdU16String());
    return result;
}

namespace {

// The number of characters before UTF-16 position `position`.
int characterIndex(const multiroller::Characters &text, int position)
{
    int index = 0;
    for (int units = 0; units < position && index < int(text.size()); ++index)
        units += int(text[std::size_t(index)].size());
    return index;
}

// The UTF-16 position of the character with index `index`.
int utf16Position(const multiroller::Characters &text, int index)
{
    int units = 0;
    for (int i = 0; i < index && i < int(text.size()); ++i)
        units += int(text[std::size_t(i)].size());
    return units;
}

QString joined(const multiroller::Characters &text)
{
    std::u16string all;
    for (const std::u16string &c : text)
        all += c;
    return QString::fromStdU16String(all);
}

} // namespace

CountBox::CountBox(const QString &initial, QWidget *parent)
    : QLineEdit(initial, parent), m_initial(initial), m_shown(initial)
{
    connect(this, &QLineEdit::textEdited, this, &CountBox::edited);
    connect(this, &QLineEdit::textChanged, this, &CountBox::changed);
    connect(this, &QLineEdit::cursorPositionChanged, this,
            [this](int, int position) { m_shownCursor = position; });
}

void CountBox::edited()
{
    const multiroller::EditHistory::State before{m_shown.toStdU16String(), m_shownCursor};
    const multiroller::Characters after = characters(text());
    const multiroller::LimitedEdit limited = multiroller::limitEdit(
        characters(m_shown), after, characterIndex(after, cursorPosition()), characters(m_initial));
    if (limited.text != after)
        showState(
            {joined(limited.text).toStdU16String(), utf16Position(limited.text, limited.cursor)});
    // What the limit left out is said, without moving the focus; the box shows the rest.
    if (limited.refused)
        announcer::announce(window(), tr("at most three characters"));
    if (text() != QString::fromStdU16String(before.text))
        m_history.edited(before);
    m_shown = text();
}

void CountBox::changed()
{
    // A text the program sets is no edit of the user's: the history starts afresh.
    if (!m_showing && text() != m_shown) {
        m_history.clear();
        m_shown = text();
    }
}

void CountBox::showState(const multiroller::EditHistory::State &state)
{
    m_showing = true;
    setText(QString::fromStdU16String(state.text));
    setCursorPosition(state.cursor);
    m_shown = text();
    m_showing = false;
}

void CountBox::undo()
{
    if (const auto state = m_history.undo({text().toStdU16String(), cursorPosition()}))
        showState(*state);
}

void CountBox::redo()
{
    if (const auto state = m_history.redo({text().toStdU16String(), cursorPosition()}))
        showState(*state);
}

void CountBox::keyPressEvent(QKeyEvent *event)
{
    // Both common redo keys work whatever the desktop's key bindings say.
    const QKeyCombination keys = event->keyCombination();
    if (event->matches(QKeySequence::Undo))
        undo();
    else if (event->matches(QKeySequence::Redo) || keys == (Qt::ControlModifier | Qt::Key_Y) ||
             keys == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z))
        redo();
    else
        QLineEdit::keyPressEvent(event);
}

void CountBox::contextMenuEvent(QContextMenuEvent *event)
{
    // The standard menu's Undo and Redo act on the count box's own history. Qt names them
    // from 6.5 on; Qt 6.4 does not, and there only their captions, made with the same
    // translations, tell them.
    const auto is = [](const QAction *action, const char *name, const char *caption) {
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        if (action->text().startsWith(QLineEdit::tr(caption)))
            return true;
#else
        Q_UNUSED(caption);
#endif
        return action->objectName() == QLatin1String(name);
    };
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *action : menu->actions()) {
        const bool isUndo = is(action, "edit-undo", "&Undo");
        if (!isUndo && !is(action, "edit-redo", "&Redo"))
            continue;
        action->disconnect();
        action->setEnabled(isUndo ? m_history.canUndo() : m_history.canRedo());
        connect(action, &QAction::triggered, this, isUndo ? &CountBox::undo : &CountBox::redo);
    }
    menu->popup(event->globalPos());
}

void CountBox::focusInEvent(QFocusEvent *event)
{
    // The click that gives the focus arrives after it.
    m_selectOnClick = event->reason() == Qt::MouseFocusReason && text() == m_initial;
    QLineEdit::focusInEvent(event);
}

void CountBox::mousePressEvent(QMouseEvent *event)
{
    if (std::exchange(m_selectOnClick, false) && event->button() == Qt::LeftButton) {
        selectAll();
        return;
    }
    QLineEdit::mousePressEvent(event);
}
