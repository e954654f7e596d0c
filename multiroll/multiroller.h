// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "faces.h"
#include "source.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace multiroller {

// The count box's text until the user or a request changes it.
inline constexpr char placeholder[] = "# of Rolls";
// The most characters the user may put into the count box.
inline constexpr int userLimit = 3;

struct Kind
{
    const char *text; // the list entry
    int sides;
    dice::Rule rule;
    const char *spoken; // the kind in a spoken result: "3 six-sided dice"
};

// The die kinds by list position, 0 to 6.
inline constexpr std::array<Kind, 7> kinds{{
    {"Die 4", 4, dice::Rule::Standard, "four-sided"},
    {"Die 6", 6, dice::Rule::Standard, "six-sided"},
    {"Die 8", 8, dice::Rule::Standard, "eight-sided"},
    {"Die 10", 10, dice::Rule::ZeroBased, "ten-sided"},
    {"Die 12", 12, dice::Rule::Standard, "twelve-sided"},
    {"Die 20", 20, dice::Rule::Standard, "twenty-sided"},
    {"Die 100", 100, dice::Rule::Standard, "hundred-sided"},
}};

// The value of a count text, or nothing when it is not a number. Accepted: blanks
// (space, tab, carriage return, line feed) around, one optional sign, digits with an optional "."
// fraction (at least one digit in all), an optional exponent ("e" or "E", optional sign, digits).
// The decimal mark is always ".". A number whose value lies beyond a double's range, too
// large or too close to zero, gives nothing: no count lies there.
std::optional<double> parseNumber(std::string_view text);

// The count a text asks for: the floor of its value, or 0 when the text is not a
// number or the floor lies outside -32768 .. 32767.
int countFor(std::string_view text);

// What a roll request reads and writes.
class View
{
public:
    virtual ~View() = default;
    virtual std::string countText() const = 0;
    virtual void setCountText(const std::string &text) = 0;
    // Position of the selected die kind, -1 when none is selected.
    virtual int selectedPosition() const = 0;
    virtual void setTotalText(const std::string &text) = 0;
};

// One roll request. The placeholder count becomes "0"; with no kind selected (a
// position outside 0..6) nothing else happens and the result is nothing. Otherwise rolls the
// count's number of dice of the selected kind, one draw each, writes their sum, summed
// from 0, and returns how many dice it rolled (0 for a count below 1).
std::optional<int> roll(View &view, dice::Source &source);

// A text as the characters a user sees (grapheme clusters), each in UTF-16.
using Characters = std::vector<std::u16string>;

// Holds a user's edit of the count box to the user limit. `before` is the text before
// the edit, `after` the text the edit would leave and `cursor` the caret after it, in
// characters. An edit that removes only is kept whole. An edit that inserts into the
// placeholder replaces all of it with the insertion, whatever was selected; one that
// inserts into another text, and would leave more than `limit` characters, keeps only as
// much of its insertion as fits (possibly nothing). Either way no more than `limit`
// characters of the insertion are kept. Returns the text to show and sets `cursor` to where
// the caret belongs in it.
Characters limitEdit(const Characters &before, const Characters &after, int &cursor,
                     int limit = userLimit);

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
