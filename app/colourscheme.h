// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QPalette>
#include <QString>

// The desktop's light or dark preference, where Qt 6.4's platform theme does not follow it:
// GNOME's, which the desktop's settings portal publishes (org.freedesktop.appearance
// color-scheme) and GNOME keeps in its own setting (org.gnome.desktop.interface color-scheme).
// Qt 6.5 and later read it themselves.
namespace colourscheme {

enum class Preference
{
    None,
    Dark,
    Light,
};

// What the portal's value names: 1 dark, 2 light, anything else none.
Preference fromPortal(uint value);
// What GNOME's setting names, as gsettings prints it ('prefer-dark', 'prefer-light',
// 'default').
Preference fromGnome(const QString &printed);

// GNOME's dark colours, for a desktop that asks for dark while its theme's palette is light.
QPalette darkPalette();

// The application palette for `preference` over `themePalette`, the platform theme's: the dark
// palette where dark is asked for and the theme's is light, otherwise the theme's own.
QPalette paletteFor(Preference preference, const QPalette &themePalette);

// Reads the preference once, from the portal or else GNOME's own setting, sets the palette
// for it, and follows its changes while the program runs. Call once, after the application
// exists. Does nothing on a Qt that follows the preference itself.
void follow();

} // namespace colourscheme
