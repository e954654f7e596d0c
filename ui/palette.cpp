// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "palette.h"

#include <QtMath>

#include <algorithm>

namespace {

// WCAG relative luminance: 0 for black to 1 for white.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
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
