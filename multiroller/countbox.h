// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "multiroller/countedit.h"

#include <QLineEdit>

// The multiple dice roller's count box. The user may put at most multiroller::userLimit
// characters into it (as a user counts them: a character is never split); the program's
// own texts are shown whole. Undo and redo take back every edit by the user, one edit a
// step, also those the limit cut; a text the program sets starts the history afresh.
// Entering the box by mouse while it shows its first text selects that text, as Tab does.
class CountBox final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CountBox)

public:
    // Starts with the program's text `initial`.
    explicit CountBox(const QString &initial, QWidget *parent = nullptr);

    // The program's starting text.
    QString initial() const { return m_initial; }

    void undo();
    void redo();

    // The characters of `text` as a user sees them (grapheme clusters).
    static multiroller::Characters characters(const QString &text);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void edited();
    void changed();
    void showState(const multiroller::EditHistory::State &state);

    QString m_initial;
    multiroller::EditHistory m_history;
    QString m_shown; // the text as it stood before the user's latest edit
    int m_shownCursor = 0;
    bool m_showing = false;       // the box is showing a state of its own history
    bool m_selectOnClick = false; // the focus came with a click on the first text
};
