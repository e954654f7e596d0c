// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QFont>

class QWidget;

namespace fonts {

// The family the layouts are designed for. Where it is missing, Qt substitutes the
// metric-compatible family that install() registers.
inline constexpr char designFamily[] = "MS Sans Serif";
// The size of the font each window uses for controls that name none of their own.
inline constexpr double defaultPoints = 8.25;

// Maps designFamily to Liberation Sans and sets the application's default font
// (designFamily, defaultPoints). Where designFamily is not installed but Liberation Sans
// is, the fonts are built with Liberation Sans by name. Call after the QApplication exists
// and before design() or windowDefault().
void install();

// designFamily at `points`, bold or regular. Every attribute that shapes the text is set,
// so a widget with this font, and every child that inherits it, keeps these metrics
// whatever fonts the desktop gives the application or a class of widgets.
QFont design(double points, bool bold);

// The font of a window: design(defaultPoints, false).
QFont windowDefault();

// Gives every control in `window` that has no font of its own the window's font, as its
// own, so that it keeps that font when a style sheet comes and goes. Call once the
// window's controls are made.
void pinToControls(QWidget *window);

} // namespace fonts
