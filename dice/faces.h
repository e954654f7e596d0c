// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <string>

namespace dice {

// How a draw becomes a face. All arithmetic is in double precision, where it is exact
// for a 24-bit draw and up to 100 sides.
enum class Rule
{
    Standard,  // floor(d * sides + 1): 1 .. sides
    ZeroBased, // floor(d * sides): 0 .. sides - 1 (the ten-sided die clicked on its own)
    Tens,      // floor(d * 10) * 10: 0, 10, .. 90 (the tens die of a percentile pair)
};

// The face for draw d (0 <= d < 1) on a die of `sides` sides (sides >= 1) under `rule`.
// Tens ignores `sides`.
int face(Rule rule, int sides, float d);

// Shortest decimal text of a whole number: digits only for n >= 0, "-" and digits below 0.
std::string numberText(long long n);

// The text a die shows for `value`: numberText, except that the tens die shows 0 as "00".
std::string faceText(Rule rule, int value);

} // namespace dice
