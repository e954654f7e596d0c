// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "statroller/statroller.h"

#include "dice/faces.h"

#include <charconv>
#include <cmath>

namespace statroller {

namespace {

constexpr int dieSides = 6;

bool isRow(int row)
{
    return row >= 0 && row < rows;
}

// Leading number of a caption; 0 when it has none.
double number(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

void rollRow(View &view, dice::Source &source, int row)
{
    if (!isRow(row))
        return;
    for (int j = 0; j < facesPerRow; ++j) {
        const int value = dice::face(dice::Rule::Standard, dieSides, source.next());
        view.setFace(row, j, dice::numberText(value));
    }
    writeTotal(view, row);
}

int lowest(int a, int b, int c, int d)
{
    const int e = a > b ? b : a;
    const int g = c > d ? d : c;
    return e > g ? g : e;
}

void writeTotal(View &view, int row)
{
    if (!isRow(row))
        return;
    double face[facesPerRow];
    for (int j = 0; j < facesPerRow; ++j)
        face[j] = std::trunc(number(view.face(row, j)));
    const int m = lowest(int(face[0]), int(face[1]), int(face[2]), int(face[3]));
    const double sum = std::trunc(face[1] + face[0] + face[2] + face[3]);
    view.setTotal(row, dice::numberText(static_cast<long long>(std::floor(sum - m))));
}

} // namespace statroller
