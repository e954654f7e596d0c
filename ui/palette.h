// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QPalette>

// Whether `palette` is a dark one: its window colour darker than its text colour.
inline bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

// The contrast ratio of two colours as WCAG defines it: 1 (the same) to 21 (black on white).
double contrast(const QColor &a, const QColor &b);

// Whether controls drawn in `palette` cannot be told from the window: Fusion's outline (a
// shade of the window colour), the field colour and the button colour all stand apart from
// the window colour by less than 1.5:1, as where a high-contrast palette paints all of them
// black.
bool controlsBlendIn(const QPalette &palette);

// The colour a frame around a window or control is drawn in, in `group`: Fusion's outline, a
// shade of the window colour, or where controls blend in, the same shade of the text colour.
QColor frameColour(const QPalette &palette, QPalette::ColorGroup group = QPalette::Active);
