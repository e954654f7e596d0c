// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <optional>
#include <string>
#include <vector>

// The count box's editing rules. The user may put at most three characters into the box,
// but the program's own texts are longer ("# of Rolls"), and a character is what the user
// sees, an emoji included. QLineEdit::setMaxLength counts UTF-16 units and would cut the
// program's texts too; a validator can only take or refuse an edit whole, never keep the
// part of a paste that fits, and Qt's undo history would lose the edits it changed.
namespace multiroller {

// The most characters the user may put into the count box.
inline constexpr int userLimit = 3;

// A text as the characters a user sees (grapheme clusters), each in UTF-16.
using Characters = std::vector<std::u16string>;

// What limitEdit() leaves of an edit: the text to show, where the caret belongs in it (in
// characters), and whether some of what the edit inserted was left out.
struct LimitedEdit
{
    Characters text;
    int cursor = 0;
    bool refused = false;
};

// Holds a user's edit of the count box to the user limit. `before` is the text before the
// edit, `after` the text the edit would leave and `cursor` the caret after it, in
// characters. An edit that removes only is kept whole. An edit that inserts into the
// `placeholder`, the box's starting text, replaces all of it with the insertion, whatever was
// selected; one that inserts into another text, and would leave more than `limit`
// characters, keeps only as much of its insertion as fits (possibly nothing). Either way no
// more than `limit` characters of the insertion are kept.
LimitedEdit limitEdit(const Characters &before, const Characters &after, int cursor,
                      const Characters &placeholder, int limit = userLimit);

// The undo history of a text the user edits: each edit is one step, whatever cut it.
class EditHistory
{
public:
    struct State
    {
        std::u16string text;
        int cursor = 0;
        bool operator==(const State &) const = default;
    };

    // An edit by the user replaced `before`. Forgets what could be redone.
    void edited(State before);
    // The state before the last edit, when there is one; `current` becomes redoable.
    std::optional<State> undo(State current);
    // The state the last undo left, when there is one; `current` becomes undoable.
    std::optional<State> redo(State current);
    // Forgets every step, as when the program replaces the text.
    void clear();
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

private:
    // Takes the last state of `from`, leaving `current` on `to`.
    static std::optional<State> step(std::vector<State> &from, std::vector<State> &to,
                                     State current);

    std::vector<State> m_undo;
    std::vector<State> m_redo;
};

} // namespace multiroller
