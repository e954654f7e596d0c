// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

class QString;
class QWidget;

// Sets up `window` as one of the program's resizable windows: its design name (object
// name), its title, a client area of `width` x `height` twips, the design's default font,
// and Enter and keypad Enter pressing its focused push button, as on desktops where a
// window without a default button lets Enter act on the focused button. Keys that a
// control uses itself (Enter in a text box) never reach the window. Call first in the
// window's constructor.
void setUpDesignWindow(QWidget *window, const char *name, const QString &title, int width,
                       int height);
