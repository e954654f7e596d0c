// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// The settings an X11 desktop's settings manager publishes to every program (XSETTINGS), and
// the window scale they ask for. Qt 6.4 scales only by Xft.dpi, which some desktops (Xfce)
// leave at 96 while their window scaling asks for twice the size.
namespace xsettings {

// The integer settings in `data`, the settings manager's _XSETTINGS_SETTINGS property, by
// name. Strings and colours are passed over; data that breaks off or runs past its end ends
// the list there.
std::map<std::string, int> integers(std::string_view data);

// The factor by which to scale, over what Qt takes from the desktop's DPI, to draw at the
// desktop's window scale: Gdk/WindowScalingFactor × 96 dpi / Xft/DPI, where that is above 1.
std::optional<double> extraScale(const std::map<std::string, int> &settings);

// The integer settings of the X display `display` (nullptr: $DISPLAY); none where the display
// cannot be opened or has no settings manager.
std::map<std::string, int> read(const char *display);

} // namespace xsettings
