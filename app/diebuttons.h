// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "dice/faces.h"

#include <QtGlobal>

#include <array>

// The main window's eight die buttons, in Roll All order. `index` is the member's index
// in the Die control array (0 to 5, 8, 9); geometry is in twips.
struct DieButton
{
    short index;
    const char *caption;
    int sides;
    dice::Rule single; // a click on the button itself
    dice::Rule all;    // Roll All
    int left;
    int width;
    const char *picture;
    const char *kind;      // what the die is, as a screen reader says it (to translate)
    const char *shortName; // the die in Roll All's spoken result (to translate)
};

// One row per die reads best as a table.
// clang-format off
inline constexpr std::array<DieButton, 8> dieButtons{{
    {0, "4", 4, dice::Rule::Standard, dice::Rule::Standard, 120, 1095, "d4", QT_TRANSLATE_NOOP("MainWindow", "four-sided die"), QT_TRANSLATE_NOOP("MainWindow", "d4")},
    {1, "6", 6, dice::Rule::Standard, dice::Rule::Standard, 1320, 1095, "d6", QT_TRANSLATE_NOOP("MainWindow", "six-sided die"), QT_TRANSLATE_NOOP("MainWindow", "d6")},
    {2, "8", 8, dice::Rule::Standard, dice::Rule::Standard, 2520, 1095, "d8", QT_TRANSLATE_NOOP("MainWindow", "eight-sided die"), QT_TRANSLATE_NOOP("MainWindow", "d8")},
    {3, "10", 10, dice::Rule::ZeroBased, dice::Rule::Standard, 3720, 1095, "d10", QT_TRANSLATE_NOOP("MainWindow", "ten-sided die"), QT_TRANSLATE_NOOP("MainWindow", "d10")},
    {4, "12", 12, dice::Rule::Standard, dice::Rule::Standard, 4920, 1095, "d12", QT_TRANSLATE_NOOP("MainWindow", "twelve-sided die"), QT_TRANSLATE_NOOP("MainWindow", "d12")},
    {5, "20", 20, dice::Rule::Standard, dice::Rule::Standard, 6120, 1095, "d20", QT_TRANSLATE_NOOP("MainWindow", "twenty-sided die"), QT_TRANSLATE_NOOP("MainWindow", "d20")},
    {8, "%", 10, dice::Rule::Tens, dice::Rule::Tens, 7320, 1095, "d10tens", QT_TRANSLATE_NOOP("MainWindow", "percentile tens die"), QT_TRANSLATE_NOOP("MainWindow", "percentile")},
    {9, "100", 100, dice::Rule::Standard, dice::Rule::Standard, 8520, 1455, "d100", QT_TRANSLATE_NOOP("MainWindow", "hundred-sided die"), QT_TRANSLATE_NOOP("MainWindow", "d100")},
}};
// clang-format on
