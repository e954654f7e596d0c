// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "dice/faces.h"
#include "dice/source.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace multiroller {

struct Kind
{
    int sides;
    dice::Rule rule;
};

// The die kinds by list position, 0 to 6: Die 4, 6, 8, 10 (0 to 9), 12, 20 and 100.
inline constexpr std::array<Kind, 7> kinds{{
    {4, dice::Rule::Standard},
    {6, dice::Rule::Standard},
    {8, dice::Rule::Standard},
    {10, dice::Rule::ZeroBased},
    {12, dice::Rule::Standard},
    {20, dice::Rule::Standard},
    {100, dice::Rule::Standard},
}};

// The value of a count text, or nothing when it is not a number. Accepted: blanks
// (space, tab, carriage return, line feed) around, one optional sign, digits with an optional "."
// fraction (at least one digit in all), an optional exponent ("e" or "E", optional sign, digits).
// The decimal mark is always ".". A number whose value lies beyond a double's range, too
// large or too close to zero, gives nothing: no count lies there.
std::optional<double> parseNumber(std::string_view text);

// How a count text reads: as a count, as no number, or as a number whose floor lies outside
// -32768 .. 32767.
enum class Reading
{
    Count,
    NotANumber,
    OutOfRange,
};

// The count a text asks for: the floor of its value, or 0 when the text reads as no count;
// `reading`, where given, says how it read.
int countFor(std::string_view text, Reading *reading = nullptr);

// What a roll request reads and writes.
class View
{
public:
    virtual ~View() = default;
    // The count box's text until the user or a request changes it ("# of Rolls").
    virtual std::string placeholder() const = 0;
    virtual std::string countText() const = 0;
    virtual void setCountText(const std::string &text) = 0;
    // Position of the selected die kind, -1 when none is selected.
    virtual int selectedPosition() const = 0;
    virtual void setTotalText(const std::string &text) = 0;
};

// What a roll request did: rolled `dice` dice (none for a count below 1), found no kind
// chosen, or read a count text that is no count.
struct Request
{
    enum class Outcome
    {
        Rolled,
        NoKind,
        NotANumber,
        OutOfRange,
    };
    Outcome outcome = Outcome::NoKind;
    int dice = 0;
};

// One roll request. The placeholder count becomes "0"; with no kind selected (a position
// outside 0..6) nothing else happens. Otherwise rolls the count's number of dice of the
// selected kind, one draw each, and writes their sum, summed from 0: "0" for a count text
// that reads as no count.
Request roll(View &view, dice::Source &source);
} // namespace multiroller
