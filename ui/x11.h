// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

// Reading from the X server what Qt has no public call for: atoms and window properties.
// Start-up reads the desktop's settings before the application exists; the About window
// reads its frame and the work area. Built only where QUANDREL_X11 is 1.

#include <QByteArray>

#include <xcb/xcb.h>

namespace x11 {

// The atom named `name`, or XCB_ATOM_NONE.
xcb_atom_t atom(xcb_connection_t *connection, const char *name);

// The value of `property` of `window` (of any type, at most `longest` bytes): its bytes as
// the server sends them, in the program's byte order for 16- and 32-bit values; empty where
// the window has no such property or `format` (8, 16 or 32 bits) is not the property's.
QByteArray property(xcb_connection_t *connection, xcb_window_t window, const char *property,
                    int format, int longest = 1024);

} // namespace x11
