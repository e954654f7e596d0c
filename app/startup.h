// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <optional>
#include <string>
#include <vector>

// What start-up reads from the command line and the environment before the QApplication
// exists.
struct StartOptions
{
    bool styleNamed = false; // the user named a widget style (-style, QT_STYLE_OVERRIDE)
    // The command line to give the QApplication: the program's own, with the options
    // -display=VALUE and -platform=VALUE written as the two words Qt reads.
    std::vector<std::string> arguments;
};

// The platform plugin list to use when the user names none: Wayland in a Wayland session,
// where the compositor takes buffers drawn at each output's scale (XWayland's would be
// stretched), with X as the fall-back; X where only an X server is set. Nothing when neither
// DISPLAY nor WAYLAND_DISPLAY is set.
std::optional<std::string> defaultPlatform(const char *display, const char *waylandDisplay);

// Reads the command line and the environment before the QApplication exists, and picks the
// platform unless the user named one (-platform, QT_QPA_PLATFORM): X where the user names
// an X display (-display). On X, follows the desktop's window scale (desktopScale()) unless
// the user set Qt's own scale. With no display to open, prints one line on stderr and returns
// nothing.
std::optional<StartOptions> readStartOptions(int argc, char **argv);

// Sets up the running QApplication the way Quandrel runs: the user's language, application
// name, version and desktop entry, the window icon, the design's fonts, the program's style
// (Fusion, with outlines kept visible) unless the user named one (the desktop's palette
// stays, dark where the desktop prefers dark), the windows' accessible roles, and the style
// sheet the user named, if any, as the only one: one the desktop sets later is dropped.
// Call once, after the QApplication exists and before any window is made.
void setUpProgram(const StartOptions &options = {});
