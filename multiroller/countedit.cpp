// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "multiroller/countedit.h"

#include <algorithm>

namespace multiroller {

LimitedEdit limitEdit(const Characters &before, const Characters &after, int cursor,
                      const Characters &placeholder, int limit)
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
        return {after, cursor, false};
    const auto front = static_cast<std::ptrdiff_t>(prefix);
    if (before == placeholder) {
        // What the user puts into the starting text replaces all of it.
        const std::size_t take = std::min<std::size_t>(inserted, limit);
        return {{after.begin() + front, after.begin() + front + std::ptrdiff_t(take)},
                int(take),
                take < inserted};
    }
    if (after.size() <= static_cast<std::size_t>(limit))
        return {after, cursor, false};

    const std::size_t kept = after.size() - inserted;
    const std::size_t room = kept < static_cast<std::size_t>(limit) ? limit - kept : 0;
    const std::size_t take = std::min(room, inserted);
    Characters result(after.begin(), after.begin() + front + std::ptrdiff_t(take));
    result.insert(result.end(), after.end() - static_cast<std::ptrdiff_t>(suffix), after.end());
    return {result, int(prefix + take), take < inserted};
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
