// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "dice/source.h"

#include <string>

namespace statroller {

inline constexpr int rows = 6;
inline constexpr int facesPerRow = 4;

// The captions a stat roller shows: four die faces and one total per row. Rows are 0 to 5
// from the top, faces 0 to 3 from the left.
class View
{
public:
    virtual ~View() = default;
    virtual std::string face(int row, int j) const = 0;
    virtual void setFace(int row, int j, const std::string &text) = 0;
    virtual void setTotal(int row, const std::string &text) = 0;
};

// For a row in 0..5: rolls four six-sided dice into the row's faces, left to right, one
// draw each, then writes the row's total. Any other row does nothing and takes no draw.
void rollRow(View &view, dice::Source &source, int row);

// The smallest of the four values.
int lowest(int a, int b, int c, int d);

// For a row in 0..5: reads the four face captions back and writes, as the row's total,
// their sum less the smallest of them (the sum of the three highest). The captions must
// hold whole numbers. Any other row does nothing.
void writeTotal(View &view, int row);

} // namespace statroller
