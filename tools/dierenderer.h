// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The die renderer: a camera over the solids of solids.h, their shading, and the die
// pictures the program shows. Every die is a shaded solid of real geometry, lit from the
// upper left, in speckled plastic, with its numerals on the faces and a soft contact
// shadow, painted supersampled and then scaled down. Fixed seeds and a fixed font make
// the output the same on every run.

#pragma once

#include "tools/solids.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QQuaternion>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QVector3D>

#include <vector>

// How many times larger than its final size a picture is painted.
constexpr int supersample = 8;

// A camera looking down -z at a rotated solid, with a weak perspective.
struct Camera
{
    static constexpr float distance = 9.0f;

    QQuaternion orientation;
    float scale = 1;
    QPointF centre;

    // `p` in the camera's frame.
    QVector3D turn(const QVector3D &p) const { return orientation.rotatedVector(p); }
    // A point of the camera's frame on the picture.
    QPointF project(const QVector3D &turned) const
    {
        const float f = distance / (distance - turned.z());
        return centre + QPointF(turned.x() * f * scale, -turned.y() * f * scale);
    }
};

// Sets the camera's scale and centre so the `turned` vertices fill `target` as far as
// their proportions allow; returns the rectangle they then cover.
QRectF fit(Camera &camera, const std::vector<QVector3D> &turned, const QRectF &target);

// The indices of the faces of `solid` that the camera sees, the one that looks at it
// most squarely last, so painting them in order paints the nearer over the farther.
std::vector<int> visibleFaces(const Camera &camera, const Solid &solid);

// Diffuse light on a surface with the turned `normal`: 0.3 in shadow to 1.
double shade(const QVector3D &normal);
// The highlight on a surface with the turned `normal`: 0 to 1.
double specular(const QVector3D &normal);
// `base` under `diffuse` light with a highlight of strength `gloss`.
QColor lit(const QColor &base, double diffuse, double gloss);

// Maps a face's own 2D frame (x right, y down, one unit = one world unit) at `origin`
// to the picture, so text and pips can be drawn onto the face.
QTransform faceTransform(const Camera &camera, const QVector3D &origin, const QVector3D &right,
                         const QVector3D &up);
// The in-face "up" for numerals: world up projected into the face with the turned
// `normal`, turned by up to `turn` degrees either way, by an amount fixed per `face`, so
// the side numerals do not all stand the same way.
QVector3D faceUp(const QVector3D &normal, int face, double turn);
// The numerals' font: bold Liberation Sans, `pixelSize` pixels, unhinted.
QFont numeralFont(double pixelSize);

// Die picture `name` (d4, d6, d8, d10, d12, d20, d10tens or d100) at `scale` (1 or 2)
// times its size on a 1x screen, in 24-bit colour; a null image for any other name.
QImage renderDiePicture(const QString &name, int scale);
