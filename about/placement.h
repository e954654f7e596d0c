// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QPoint>
#include <QRect>

class QWindow;

// `window` (its frame, title bar included) moved the least distance that brings it wholly
// into `available`, the part of the screen windows may take; where it already lies within,
// it stays put. A window wider than `available` keeps its right end in view (where the
// close box and a dialog's buttons are), one taller keeps its top (the title bar).
QRect placedWithin(QRect window, const QRect &available);

// Moves the shown top-level X11 `window` so that its client area's top-left corner stands at
// `clientPosition` (device-independent pixels, on the screen there), or the least distance
// from that which brings its whole frame, as the window manager drew it, onto the screen.
// Works in the X server's device pixels, so that at any scale a frame of a pixel or two
// counts in full and the frame ends exactly at the screen's edge, never beyond it. Does
// nothing on other window systems, where the compositor places windows.
void placeOnScreen(QWindow *window, QPoint clientPosition);

// Adds `state` (such as "_NET_WM_STATE_SKIP_TASKBAR") to the window-manager states of the
// X11 `window`, not yet mapped; Qt keeps the states it finds there when it maps the window.
// Does nothing on other window systems.
void addWindowState(QWindow *window, const char *state);
