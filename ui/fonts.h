#pragma once

#include <QFont>

namespace fonts {

// The family the layouts are designed for. Where it is missing, Qt substitutes the
// metric-compatible family that installSubstitution() registers.
inline constexpr char designFamily[] = "MS Sans Serif";

// Maps designFamily to Liberation Sans and sets the application's default font
// (designFamily, 8.25 pt). Call once, after the QApplication exists.
void install();

// designFamily at `points`, bold or regular.
QFont design(double points, bool bold);

} // namespace fonts
