// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "statroller.h"

#include "faces.h"

#include <charconv>
#include <cmath>

namespace statroller {

namespace {

constexpr int dieSides = 6;

bool isRow(short k)
{
    return k >= 1 && k <= rows;
}

// Leading number of a caption; 0 when it has none.
double number(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

void rollRow(View &view, dice::Source &source, short k)
{
    if (!isRow(k))
        return;
    for (short j = 0; j < facesPerRow; ++j) {
        const int value = dice::face(dice::Rule::Standard, dieSides, source.next());
        view.setFace(k, j, dice::numberText(value));
    }
    writeTotal(view, k);
}

short lowest(short a, short b, short c, short d)
{
    const short e = a > b ? b : a;
    const short g = c > d ? d : c;
    return e > g ? g : e;
}

void writeTotal(View &view, short k)
{
    if (!isRow(k))
        return;
    double face[facesPerRow];
    short whole[facesPerRow];
    for (short j = 0; j < facesPerRow; ++j) {
        face[j] = std::trunc(number(view.face(k, j)));
        whole[j] = static_cast<short>(face[j]);
    }
    const short m = lowest(whole[0], whole[1], whole[2], whole[3]);
    const double sum = std::trunc(face[1] + face[0] + face[2] + face[3]);
    view.setTotal(k, dice::numberText(static_cast<long long>(std::floor(sum - m))));
}

} // namespace statroller
