// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "multiroller.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace multiroller {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Whether `body` (no blanks, no leading sign) is digits[.digits][e[sign]digits] with at
// least one mantissa digit.
bool matchesNumber(std::string_view body)
{
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < body.size() && isDigit(body[i]))
        ++i, ++digits;
    if (i < body.size() && body[i] == '.') {
        ++i;
        while (i < body.size() && isDigit(body[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i == body.size())
        return true;
    if (body[i] != 'e' && body[i] != 'E')
        return false;
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-'))
        ++i;
    const std::size_t expDigits = i;
    while (i < body.size() && isDigit(body[i]))
        ++i;
    return i > expDigits && i == body.size();
}

// The placeholder, character by character.
const Characters &placeholderCharacters()
{
    static const Characters characters = [] {
        Characters result;
        for (const char *c = placeholder; *c; ++c)
            result.emplace_back(1, static_cast<char16_t>(*c));
        return result;
    }();
    return characters;
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    std::string_view body = trimmed(text);
    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    if (!matchesNumber(body))
        return std::nullopt;

    double value = 0;
    const auto [end, error] =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (error != std::errc() || end != body.data() + body.size())
        return std::nullopt; // out of a double's range too: no count lies there

    return negative ? -value : value;
}

int countFor(std::string_view text)
{
    const std::optional<double> value = parseNumber(text);
    if (!value)
        return 0;
    const double whole = std::floor(*value);
    if (!(whole >= std::numeric_limits<short>::min() && whole <= std::numeric_limits<short>::max()))
        return 0;
    return static_cast<int>(whole);
}

std::optional<int> roll(View &view, dice::Source &source)
{
    if (view.countText() == placeholder)
        view.setCountText("0");

    const int position = view.selectedPosition();
    if (position < 0 || position >= static_cast<int>(kinds.size()))
        return std::nullopt;
    const Kind &kind = kinds[static_cast<std::size_t>(position)];

    const int count = countFor(view.countText());
    long long sum = 0; // wide enough for any count: at most 32767 * 100
    for (int i = 1; i <= count; ++i)
        sum += dice::face(kind.rule, kind.sides, source.next());
    view.setTotalText(dice::numberText(sum));
    return std::max(count, 0);
}

Characters limitEdit(const Characters &before, const Characters &after, int &cursor, int limit)
{
    // The edit replaced before[prefix, before.size() - suffix) with
    // after[prefix, after.size() - suffix). The caret ends after the insertion, which
    // settles where a run of equal characters was typed into.
    const std::size_t caret =
        static_cast<std::size_t>(std::clamp<int>(cursor, 0, int(after.size())));
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t suffix = 0;
    while (suffix < shorter && suffix < after.size() - caret &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    std::size_t prefix = 0;
    while (prefix < caret && prefix < before.size() - suffix && prefix < after.size() - suffix &&
           before[prefix] == after[prefix])
        ++prefix;

    const std::size_t inserted = after.size() - prefix - suffix;
    if (inserted == 0)
        return after;
    const auto front = static_cast<std::ptrdiff_t>(prefix);
    if (before == placeholderCharacters()) {
        // What the user puts into the starting text replaces all of it.
        const auto take = static_cast<std::ptrdiff_t>(std::min<std::size_t>(inserted, limit));
        cursor = static_cast<int>(take);
        return {after.begin() + front, after.begin() + front + take};
    }
    if (after.size() <= static_cast<std::size_t>(limit))
        return after;

    const std::size_t kept = after.size() - inserted;
    const std::size_t room = kept < static_cast<std::size_t>(limit) ? limit - kept : 0;
    const auto take = static_cast<std::ptrdiff_t>(std::min(room, inserted));
    Characters result(after.begin(), after.begin() + front + take);
    result.insert(result.end(), after.end() - static_cast<std::ptrdiff_t>(suffix), after.end());
    cursor = static_cast<int>(front + take);
    return result;
}

void EditHistory::edited(State before)
{
    m_undo.push_back(std::move(before));
    m_redo.clear();
}

std::optional<EditHistory::State> EditHistory::step(std::vector<State> &from,
                                                    std::vector<State> &to, State current)
{
    if (from.empty())
        return std::nullopt;
    State state = std::move(from.back());
    from.pop_back();
    to.push_back(std::move(current));
    return state;
}

std::optional<EditHistory::State> EditHistory::undo(State current)
{
    return step(m_undo, m_redo, std::move(current));
}

std::optional<EditHistory::State> EditHistory::redo(State current)
{
    return step(m_redo, m_undo, std::move(current));
}

void EditHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}

} // namespace multiroller
