#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace assets {

// The program icon that every window carries (32 x 32, 256 colours, masked).
QIcon programIcon();
// The About window's second die icon: the same die, plain red, outlined numeral.
QIcon outlineIcon();
// A die picture by base name ("d4", "d10tens", ...), shown at its own pixel size.
// Carries a twice-as-large version for 2x screens when one exists; null if unknown.
QPixmap diePicture(const QString &name, qreal devicePixelRatio);

} // namespace assets
