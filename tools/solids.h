// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QVector3D>

#include <vector>

// Convex solids for the die renderer. Faces list vertex indices counter-clockwise seen
// from outside; `normal` points outwards.
struct Face
{
    std::vector<int> vertices;
    QVector3D normal;
    QVector3D centroid;
};

struct Solid
{
    std::vector<QVector3D> vertices;
    std::vector<Face> faces;
};

Solid tetrahedron();
Solid cube();
Solid octahedron();
Solid trapezohedron(); // the ten-sided die: ten kites around two apexes
Solid dodecahedron();
Solid icosahedron();
