// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "multiroller/multiroller.h"

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

int countFor(std::string_view text, Reading *reading)
{
    const auto read = [reading](Reading how, int count) {
        if (reading)
            *reading = how;
        return count;
    };
    const std::optional<double> value = parseNumber(text);
    if (!value)
        return read(Reading::NotANumber, 0);
    const double whole = std::floor(*value);
    if (!(whole >= std::numeric_limits<short>::min() && whole <= std::numeric_limits<short>::max()))
        return read(Reading::OutOfRange, 0);
    return read(Reading::Count, static_cast<int>(whole));
}

Request roll(View &view, dice::Source &source)
{
    if (view.countText() == view.placeholder())
        view.setCountText("0");

    const int position = view.selectedPosition();
    if (position < 0 || position >= static_cast<int>(kinds.size()))
        return {Request::Outcome::NoKind, 0};
    const Kind &kind = kinds[static_cast<std::size_t>(position)];

    Reading reading = Reading::Count;
    const int count = countFor(view.countText(), &reading);
    long long sum = 0; // wide enough for any count: at most 32767 * 100
    for (int i = 1; i <= count; ++i)
        sum += dice::face(kind.rule, kind.sides, source.next());
    view.setTotalText(dice::numberText(sum));
    switch (reading) {
    case Reading::NotANumber:
        return {Request::Outcome::NotANumber, 0};
    case Reading::OutOfRange:
        return {Request::Outcome::OutOfRange, 0};
    case Reading::Count:
        break;
    }
    return {Request::Outcome::Rolled, std::max(count, 0)};
}

} // namespace multiroller
