// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "ui/palette.h"

#include <algorithm>
#include <array>

namespace {

// x^0.4 for 0 < x <= 1, by Newton's method on y^5 = x^2.
constexpr double fifthRootOfSquare(double x)
{
    double y = 1;
    for (int i = 0; i < 40; ++i)
        y -= (y * y * y * y * y - x * x) / (5 * y * y * y * y);
    return y;
}

// sRGB channel values 0..255 as linear light, as WCAG defines it; made at compile time, since
// the maths library's pow() alone adds a quarter of a megabyte to the program's memory.
constexpr std::array<double, 256> linearLight = [] {
    std::array<double, 256> table{};
    for (int v = 0; v < 256; ++v) {
        const double c = v / 255.0;
        const double base = (c + 0.055) / 1.055;
        table[std::size_t(v)] = c <= 0.04045 ? c / 12.92 : base * base * fifthRootOfSquare(base);
    }
    return table;
}();

// WCAG relative luminance: 0 for black to 1 for white.
double luminance(const QColor &colour)
{
    const QRgb rgb = colour.rgb();
    return 0.2126 * linearLight[std::size_t(qRed(rgb))] +
           0.7152 * linearLight[std::size_t(qGreen(rgb))] +
           0.0722 * linearLight[std::size_t(qBlue(rgb))];
}

// Fusion outlines controls in the window colour darkened by this factor.
constexpr int fusionOutlineDarkness = 140;
// Below this contrast with the window, an edge or a face does not stand out.
constexpr double distinct = 1.5;

} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool controlsBlendIn(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    return contrast(window.darker(fusionOutlineDarkness), window) < distinct &&
           contrast(palette.color(QPalette::Base), window) < distinct &&
           contrast(palette.color(QPalette::Button), window) < distinct;
}

QColor frameColour(const QPalette &palette, QPalette::ColorGroup group)
{
    const QPalette::ColorRole role =
        controlsBlendIn(palette) ? QPalette::WindowText : QPalette::Window;
    return palette.color(group, role).darker(fusionOutlineDarkness);
}
