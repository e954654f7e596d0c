// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

class QWidget;

// Makes Enter and keypad Enter press the focused push button of `window`, as they do on
// desktops where a window without a default button lets Enter act on the focused button.
// Keys that a control uses itself (Enter in a text box) do not reach the window.
void pressFocusedButtonOnEnter(QWidget *window);
