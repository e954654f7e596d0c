// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "source.h"

#include <string>

namespace statroller {

inline constexpr short rows = 6;
inline constexpr short facesPerRow = 4;

// The captions a stat roller shows: four die faces and one total per row.
// Rows are 1 to 6 from the top, faces 0 to 3 from the left.
class View
{
public:
    virtual ~View() = default;
    virtual std::string face(short row, short j) const = 0;
    virtual void setFace(short row, short j, const std::string &text) = 0;
    virtual void setTotal(short row, const std::string &text) = 0;
};

// For row k in 1..6: rolls four six-sided dice into the row's faces, left to right, one
// draw each, then writes the row's total. Any other k does nothing and takes no draw.
void rollRow(View &view, dice::Source &source, short k);

// The smallest of the four values.
short lowest(short a, short b, short c, short d);

// For row k in 1..6: reads the four face captions back and writes, as the row's total,
// their sum less the smallest of them (the sum of the three highest). The captions must
// hold whole numbers. Any other k does nothing.
void writeTotal(View &view, short k);

} // namespace statroller
