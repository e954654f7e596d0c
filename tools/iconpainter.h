// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The program icon: a tilted red die with a numeral 7, and a few red motion marks at its
// upper left, drawn with the die renderer's camera and shading.

#pragma once

#include <QByteArray>
#include <QImage>

// The icon's two looks: shaded, with a yellow numeral, for the program; plain, in flat red
// with the numeral outlined in black, for the About window's second die.
enum class IconLook
{
    Shaded,
    Plain,
};

// The icon at `size` pixels square, in 32-bit colour with alpha: painted supersampled,
// then scaled down.
QImage renderIcon(int size, IconLook look);

// The shaded icon as a scalable drawing: SVG, 128 pixels square, with the project's
// licence header.
QByteArray iconSvg();
