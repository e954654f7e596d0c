// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QRect>

// `window` (its frame, title bar included) moved the least distance that brings it wholly
// into `available`, the part of the screen windows may take; where it already lies within,
// it stays put. A window wider than `available` keeps its right end in view (where the
// close box and a dialog's buttons are), one taller keeps its top (the title bar).
QRect placedWithin(QRect window, const QRect &available);
