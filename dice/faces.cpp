// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "dice/faces.h"

#include <charconv>

namespace dice {

int face(Rule rule, int sides, float d)
{
    // Every product here is non-negative, so truncating to int is the floor; it is much
    // cheaper than std::floor where the CPU baseline lacks a rounding instruction.
    const auto x = static_cast<double>(d);
    switch (rule) {
    case Rule::Standard:
        return static_cast<int>(x * sides + 1.0);
    case Rule::ZeroBased:
        return static_cast<int>(x * sides);
    case Rule::Tens:
        return static_cast<int>(x * 10.0) * 10;
    }
    return 0;
}

std::string numberText(long long n)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    return {buffer, result.ptr};
}

std::string faceText(Rule rule, int value)
{
    if (rule == Rule::Tens && value == 0)
        return "00";
    return numberText(value);
}

} // namespace dice
