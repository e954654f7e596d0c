// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "tools/solids.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float phi = std::numbers::phi_v<float>;

// Orders a face's vertices counter-clockwise around its outward normal and fills in
// the centroid.
Face makeFace(const std::vector<QVector3D> &points, std::vector<int> indices, QVector3D normal)
{
    QVector3D centroid;
    for (int i : indices)
        centroid += points[static_cast<std::size_t>(i)];
    centroid /= static_cast<float>(indices.size());
    normal.normalize();
    const QVector3D u = (points[static_cast<std::size_t>(indices[0])] - centroid).normalized();
    const QVector3D v = QVector3D::crossProduct(normal, u);
    std::sort(indices.begin(), indices.end(), [&](int a, int b) {
        const QVector3D pa = points[static_cast<std::size_t>(a)] - centroid;
        const QVector3D pb = points[static_cast<std::size_t>(b)] - centroid;
        return std::atan2(QVector3D::dotProduct(pa, v), QVector3D::dotProduct(pa, u)) <
               std::atan2(QVector3D::dotProduct(pb, v), QVector3D::dotProduct(pb, u));
    });
    return {std::move(indices), normal, centroid};
}

// A convex solid whose faces are the planes at the given outward normals: each face
// takes the vertices that lie furthest along its normal.
Solid fromNormals(std::vector<QVector3D> vertices, const std::vector<QVector3D> &normals)
{
    Solid solid{std::move(vertices), {}};
    for (QVector3D n : normals) {
        n.normalize();
        float best = -1e9f;
        for (const QVector3D &v : solid.vertices)
            best = std::max(best, QVector3D::dotProduct(v, n));
        std::vector<int> onFace;
        for (std::size_t i = 0; i < solid.vertices.size(); ++i)
            if (QVector3D::dotProduct(solid.vertices[i], n) > best - 1e-4f)
                onFace.push_back(static_cast<int>(i));
        solid.faces.push_back(makeFace(solid.vertices, onFace, n));
    }
    return solid;
}

// The twelve points (0, +-a, +-b), (+-a, +-b, 0), (+-b, 0, +-a).
std::vector<QVector3D> goldenPoints(float a, float b)
{
    std::vector<QVector3D> v;
    for (float x : {-a, a})
        for (float y : {-b, b}) {
            v.emplace_back(0, x, y);
            v.emplace_back(x, y, 0);
            v.emplace_back(y, 0, x);
        }
    return v;
}

std::vector<QVector3D> cubeCorners()
{
    std::vector<QVector3D> v;
    for (float x : {-1.f, 1.f})
        for (float y : {-1.f, 1.f})
            for (float z : {-1.f, 1.f})
                v.emplace_back(x, y, z);
    return v;
}

} // namespace

Solid tetrahedron()
{
    const std::vector<QVector3D> v{{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};
    std::vector<QVector3D> normals;
    for (const QVector3D &p : v)
        normals.push_back(-p);
    return fromNormals(v, normals);
}

Solid cube()
{
    return fromNormals(cubeCorners(),
                       {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}});
}

Solid octahedron()
{
    return fromNormals({{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}},
                       cubeCorners());
}

Solid trapezohedron()
{
    // Two rings of five, offset by 36 degrees, at heights +-a; the apex height h makes
    // every kite planar: h = a (1 + cos 36) / (1 - cos 36).
    const float a = 0.105f;
    const float c36 = std::cos(std::numbers::pi_v<float> / 5);
    const float h = a * (1 + c36) / (1 - c36);
    std::vector<QVector3D> v{{0, 0, h}, {0, 0, -h}};
    for (int i = 0; i < 5; ++i) {
        const float up = 2 * std::numbers::pi_v<float> * i / 5;
        const float down = up + std::numbers::pi_v<float> / 5;
        v.emplace_back(std::cos(up), std::sin(up), a);      // 2 + 2i
        v.emplace_back(std::cos(down), std::sin(down), -a); // 3 + 2i
    }
    Solid solid{v, {}};
    for (int i = 0; i < 5; ++i) {
        const int u0 = 2 + 2 * i, l0 = 3 + 2 * i, u1 = 2 + 2 * ((i + 1) % 5),
                  l1 = 3 + 2 * ((i + 1) % 5);
        for (const std::vector<int> &kite :
             {std::vector<int>{0, u0, l0, u1}, std::vector<int>{1, l0, u1, l1}}) {
            QVector3D centroid;
            for (int k : kite)
                centroid += v[static_cast<std::size_t>(k)];
            const QVector3D n = QVector3D::crossProduct(
                v[static_cast<std::size_t>(kite[1])] - v[static_cast<std::size_t>(kite[0])],
                v[static_cast<std::size_t>(kite[3])] - v[static_cast<std::size_t>(kite[0])]);
            solid.faces.push_back(
                makeFace(v, kite, QVector3D::dotProduct(n, centroid) > 0 ? n : -n));
        }
    }
    return solid;
}

Solid dodecahedron()
{
    // Vertices: the cube's corners and (0, +-1/phi, +-phi) in turn; face normals point at
    // the dual icosahedron's vertices (0, +-phi, +-1) in turn.
    std::vector<QVector3D> v = cubeCorners();
    for (const QVector3D &p : goldenPoints(1 / phi, phi))
        v.push_back(p);
    return fromNormals(v, goldenPoints(phi, 1));
}

Solid icosahedron()
{
    std::vector<QVector3D> normals = cubeCorners();
    for (const QVector3D &p : goldenPoints(phi, 1 / phi))
        normals.push_back(p);
    return fromNormals(goldenPoints(1, phi), normals);
}
