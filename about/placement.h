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

// Moves the shown top-level `window` so that its client area's top-left corner stands at
// `clientPosition` (device-independent pixels, on the screen there), or the least distance
// from that which brings its whole frame, as the window manager drew it, onto the screen.
// Works in device pixels, so that at any scale a frame of a pixel or two counts in full
// and the frame ends exactly at the screen's edge, never beyond it.
void placeOnScreen(QWindow *window, QPoint clientPosition);
