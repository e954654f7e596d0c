// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace assets {

// The program icon that every window carries, in 16, 24, 32, 48, 64 and 128 pixels: each
// size sharp, the 32 the design's own 256 colours with a mask.
QIcon programIcon();
// The About window's second die icon, in the same sizes: the same die, plain red, with an
// outlined numeral.
QIcon outlineIcon();
// A die picture by base name ("d4", "d10tens", ...), shown at its own pixel size.
// Carries a twice-as-large version for 2x screens when one exists; null if unknown.
QImage diePicture(const QString &name, qreal devicePixelRatio);

// `pixmap` with a rim of `colour`, one device-independent pixel wide, around its opaque
// pixels, so that a dark picture keeps its outline on a dark background.
QPixmap withRim(const QPixmap &pixmap, const QColor &colour);

} // namespace assets
