// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "tools/dierenderer.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>

namespace {

const QVector3D light = QVector3D(-0.55f, 0.75f, 0.65f).normalized();
const QVector3D viewer(0, 0, 1);
const QColor beige(233, 223, 200);
const QColor lightGrey(214, 214, 212);
const QColor plastic(168, 24, 20);
const QColor speckle(22, 10, 10);
const QColor ink(244, 238, 222);

// Die pictures are painted at twice the supersampling, for their 2x size.
constexpr int paintScale = supersample * 2;

// One picture: what it shows and how large it is on a 1x screen.
struct Picture
{
    const char *name;
    int width;
    int height;
};

// Speckles of black in the plastic, inside the current clip.
void speckles(QPainter &p, const QRectF &area, double unit, std::mt19937 &random,
              double shadeFactor)
{
    std::uniform_real_distribution<double> x(area.left(), area.right());
    std::uniform_real_distribution<double> y(area.top(), area.bottom());
    std::uniform_real_distribution<double> size(0.25, 1.1);
    std::uniform_real_distribution<double> alpha(0.45, 0.95);
    const int count = static_cast<int>(area.width() * area.height() / (unit * unit) * 0.22);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        QColor c = speckle;
        c.setAlphaF(static_cast<float>(alpha(random) * std::min(1.0, 0.5 + shadeFactor)));
        p.setBrush(c);
        const double r = size(random) * unit;
        p.drawEllipse(QPointF(x(random), y(random)), r, r * 0.8);
    }
    // A few lighter flecks keep the plastic from looking flat.
    for (int i = 0; i < count / 5; ++i) {
        QColor c(230, 70, 55);
        c.setAlphaF(0.35f);
        p.setBrush(c);
        const double r = size(random) * unit * 0.6;
        p.drawEllipse(QPointF(x(random), y(random)), r, r);
    }
}

// The backdrop of a studio photo: `base` with a soft pool of light behind the die,
// falling off towards the corners, which keep `base` itself.
void backdrop(QImage &image, const QColor &base)
{
    image.fill(base);
    QPainter p(&image);
    const QPointF centre(image.width() * 0.5, image.height() * 0.38);
    QRadialGradient pool(centre, std::hypot(image.width(), image.height()) * 0.5);
    pool.setColorAt(0.0, QColor(255, 255, 255, 34));
    pool.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), pool);
}

// Sensor grain: a faint, fixed pattern of noise over the finished picture.
void grain(QImage &image, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-2, 2);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const int n = noise(random);
            image.setPixel(x, y,
                           qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                                std::clamp(qBlue(c) + n, 0, 255)));
        }
}

// The die's shadow on the table, a little to the right of the rectangle `die` covers.
void contactShadow(QPainter &p, const QRectF &die)
{
    const QPointF centre(die.center().x() + die.width() * 0.08, die.bottom() - die.height() * 0.02);
    const double rx = die.width() * 0.55;
    const double ry = die.height() * 0.13;
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient g(QPointF(0, 0), rx);
    g.setColorAt(0.0, QColor(60, 40, 20, 150));
    g.setColorAt(0.6, QColor(60, 40, 20, 70));
    g.setColorAt(1.0, QColor(60, 40, 20, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

// Draws `text` centred at the transform's origin, `height` world units tall, underlined
// by a bar `underline` of the font size thick if that is above 0.
void drawNumeral(QPainter &p, const QTransform &onFace, const QString &text, double height,
                 const QColor &colour, double underline = 0)
{
    constexpr double fontPixels = 100.0;
    p.save();
    p.setTransform(onFace, true);
    const double k = height / (fontPixels * 0.72);
    p.scale(k, k);
    QPainterPath path;
    path.addText(0, 0, numeralFont(fontPixels), text);
    const QRectF box = path.boundingRect();
    path.translate(-box.center());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    if (underline > 0) {
        const QRectF b = path.boundingRect();
        p.drawRect(
            QRectF(b.left(), b.bottom() + fontPixels * 0.06, b.width(), fontPixels * underline));
    }
    p.restore();
}

// Draws numerals or pips on a visible face: the camera, the solid, the face's index, its
// rank (0 is the face that looks most squarely at the viewer), and its turned centroid
// and normal.
using Decoration = std::function<void(QPainter &, const Camera &, const Solid &, int face, int rank,
                                      const QVector3D &centroid, const QVector3D &normal)>;

// One polyhedral die: its picture, solid, pose, decoration and the seed of its speckles
// and grain.
struct Die
{
    Picture picture;
    Solid solid;
    QQuaternion orientation;
    Decoration decorate;
    unsigned seed;
};

QImage renderPolyhedron(const Die &die, int scale)
{
    const int w = die.picture.width * scale;
    const int h = die.picture.height * scale;
    QImage image(w, h, QImage::Format_RGB32);
    backdrop(image, beige);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    Camera camera;
    camera.orientation = die.orientation;
    std::vector<QVector3D> turned;
    for (const QVector3D &v : die.solid.vertices)
        turned.push_back(camera.turn(v));
    const QRectF target(w * 0.07, h * 0.05, w * 0.86, h * 0.82);
    const QRectF dieRect = fit(camera, turned, target);
    contactShadow(p, dieRect);

    std::mt19937 random(die.seed);
    const double unit = scale * 0.55; // one speckle unit: about half a picture pixel
    const std::vector<int> visible = visibleFaces(camera, die.solid);
    int rank = static_cast<int>(visible.size());
    for (int index : visible) {
        --rank; // 0 is the face that looks straight at the viewer
        const Face &face = die.solid.faces[static_cast<std::size_t>(index)];
        const QVector3D n = camera.turn(face.normal);
        QPolygonF polygon;
        for (int v : face.vertices)
            polygon << camera.project(turned[static_cast<std::size_t>(v)]);
        const double diffuse = shade(n);
        const double gloss = specular(n);

        // Body: a gentle gradient across the face, darker away from the light.
        const QRectF box = polygon.boundingRect();
        QLinearGradient body(box.topLeft(), box.bottomRight());
        body.setColorAt(0, lit(plastic, diffuse * 1.08, gloss));
        body.setColorAt(1, lit(plastic, diffuse * 0.9, gloss * 0.6));
        p.setPen(Qt::NoPen);
        p.setBrush(body);
        p.drawPolygon(polygon);

        p.save();
        QPainterPath clip;
        clip.addPolygon(polygon);
        p.setClipPath(clip);
        speckles(p, box, unit, random, diffuse);
        die.decorate(p, camera, die.solid, index, rank, camera.turn(face.centroid), n);
        p.restore();

        // Rounded edges catch the light; the far side of an edge falls into shadow.
        QPen edge(QColor(255, 235, 225, static_cast<int>(40 + 90 * diffuse)), scale * 0.55);
        edge.setJoinStyle(Qt::RoundJoin);
        p.setPen(edge);
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(polygon);
    }
    p.end();
    return image;
}

// Numerals on the faces that face the viewer well enough to read, `labels` by rank,
// `sizeOfInradius` of the face's inradius tall; `marked69` underlines the 6 and the 9.
Decoration numerals(std::vector<QString> labels, double sizeOfInradius, bool marked69 = false)
{
    return [labels = std::move(labels), sizeOfInradius,
            marked69](QPainter &p, const Camera &camera, const Solid &solid, int face, int rank,
                      const QVector3D &centroid, const QVector3D &normal) {
        if (normal.z() < 0.3f)
            return;
        const Face &f = solid.faces[static_cast<std::size_t>(face)];
        float inradius = 1e9f;
        for (std::size_t i = 0; i < f.vertices.size(); ++i) {
            const QVector3D a = solid.vertices[static_cast<std::size_t>(f.vertices[i])];
            const QVector3D b =
                solid.vertices[static_cast<std::size_t>(f.vertices[(i + 1) % f.vertices.size()])];
            const QVector3D c = f.centroid;
            inradius = std::min(inradius,
                                QVector3D::crossProduct(b - a, c - a).length() / (b - a).length());
        }
        const QVector3D up = faceUp(normal, face, rank == 0 ? 4 : 35);
        const QVector3D right = QVector3D::crossProduct(up, normal);
        const QString &label = labels[static_cast<std::size_t>(rank) % labels.size()];
        const bool mark = marked69 && (label == QLatin1String("6") || label == QLatin1String("9"));
        drawNumeral(p, faceTransform(camera, centroid, right, up), label, inradius * sizeOfInradius,
                    ink, mark ? 0.07 : 0);
    };
}

// Pips of a six-sided die: front 1, then 2 and 3 on the faces beside it.
void pips(QPainter &p, const Camera &camera, const Solid &, int, int rank,
          const QVector3D &centroid, const QVector3D &normal)
{
    static const std::vector<std::vector<QPointF>> layouts = {
        {{0, 0}},
        {{-0.5, -0.5}, {0.5, 0.5}},
        {{-0.5, -0.5}, {0, 0}, {0.5, 0.5}},
        {{-0.5, -0.5}, {0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}},
        {{-0.5, -0.5}, {0.5, -0.5}, {0, 0}, {-0.5, 0.5}, {0.5, 0.5}},
        {{-0.5, -0.55}, {0.5, -0.55}, {-0.5, 0}, {0.5, 0}, {-0.5, 0.55}, {0.5, 0.55}},
    };
    static const int shown[] = {5, 1, 3}; // faces seen: five in front, two and three beside
    if (rank > 2)
        return;
    const QVector3D up = faceUp(normal, 0, 0);
    const QVector3D right = QVector3D::crossProduct(up, normal);
    p.save();
    p.setTransform(faceTransform(camera, centroid, right, up), true);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (const QPointF &pip : layouts[static_cast<std::size_t>(shown[rank] - 1)])
        p.drawEllipse(pip, 0.19, 0.19);
    p.restore();
}

// Small numerals at the corners of each face of the four-sided die, each pointing at
// its corner.
void tetraNumerals(QPainter &p, const Camera &camera, const Solid &solid, int face, int,
                   const QVector3D &, const QVector3D &normal)
{
    if (normal.z() < 0.25f)
        return;
    const Face &f = solid.faces[static_cast<std::size_t>(face)];
    for (int v : f.vertices) {
        const QVector3D corner = camera.turn(solid.vertices[static_cast<std::size_t>(v)]);
        const QVector3D c = camera.turn(f.centroid);
        const QVector3D up = (corner - c).normalized();
        const QVector3D right = QVector3D::crossProduct(up, normal);
        drawNumeral(p, faceTransform(camera, c + (corner - c) * 0.55f, right, up),
                    QString::number(v + 1), 0.42, ink);
    }
}

// The hundred-sided die: a white ball with a hundred numbers in dimples.
QImage renderBall(const Picture &picture, int scale)
{
    const int w = picture.width * scale;
    const int h = picture.height * scale;
    QImage image(w, h, QImage::Format_RGB32);
    backdrop(image, lightGrey);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double r = std::min(w, h) * 0.43;
    const QPointF centre(w * 0.5, h * 0.46);
    contactShadow(p, QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r));

    QRadialGradient body(centre, r, centre + QPointF(-0.4 * r, -0.45 * r));
    body.setColorAt(0.0, QColor(255, 255, 255));
    body.setColorAt(0.55, QColor(240, 240, 236));
    body.setColorAt(0.9, QColor(196, 196, 192));
    body.setColorAt(1.0, QColor(160, 160, 158));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(centre, r, r);

    // A hundred numbers spread evenly over the ball; 100 looks straight at the viewer.
    Camera camera;
    camera.scale = static_cast<float>(r);
    camera.centre = centre;
    const QQuaternion tilt = QQuaternion::fromEulerAngles(-2, 3, 0);
    const double golden = std::numbers::pi * (3.0 - std::sqrt(5.0));
    for (int i = 0; i < 100; ++i) {
        const double z = 1.0 - 2.0 * i / 99.0;
        const double ring = std::sqrt(1.0 - z * z);
        QVector3D n(static_cast<float>(ring * std::cos(golden * i)),
                    static_cast<float>(ring * std::sin(golden * i)), static_cast<float>(z));
        // The lattice starts at the pole that faces the viewer; tilt it a little.
        n = tilt.rotatedVector(n);
        if (n.z() < 0.18f)
            continue;
        // The big 100 at the pole covers the two lattice points nearest to it.
        if (i > 0 && QVector3D::dotProduct(n, tilt.rotatedVector(QVector3D(0, 0, 1))) > 0.946f)
            continue;
        const QVector3D up = faceUp(n, i, i == 0 ? 0 : 25);
        const QVector3D right = QVector3D::crossProduct(up, n);
        const QString label = QString::number(i == 0 ? 100 : i);
        const double height = i == 0 ? 0.2 : 0.13;
        // Views into the ball's dimples: a faint ring around each number.
        p.save();
        p.setTransform(faceTransform(camera, n * 0.985f, right, up), true);
        p.setPen(QPen(QColor(150, 150, 150, 110), 0.012));
        p.setBrush(QColor(225, 225, 222, 120));
        p.drawEllipse(QPointF(0, 0), i == 0 ? 0.24 : 0.16, i == 0 ? 0.17 : 0.12);
        p.restore();
        drawNumeral(p, faceTransform(camera, n, right, up), label, height * (0.75 + 0.25 * n.z()),
                    QColor(18, 18, 18));
    }
    p.end();
    return image;
}

// Scales a supersampled picture down in halving steps, so every source pixel counts, and
// adds the grain of `seed`.
QImage downscale(QImage image, int width, int height, unsigned seed)
{
    while (image.width() >= 2 * width && image.height() >= 2 * height)
        image = image.scaled(image.width() / 2, image.height() / 2, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    grain(image, seed);
    return image.convertToFormat(QImage::Format_RGB888);
}

// The pose that turns `face` of `solid` towards `towards`, twisted by `twist` degrees
// about that direction.
QQuaternion facing(const Solid &solid, int face, const QVector3D &towards, float twist)
{
    const QQuaternion to = QQuaternion::rotationTo(
        solid.faces[static_cast<std::size_t>(face)].normal, towards.normalized());
    return QQuaternion::fromAxisAndAngle(towards.normalized(), twist) * to;
}

// The polyhedral dice of the program, each in the pose it is photographed in.
std::vector<Die> polyhedralDice()
{
    const Solid d4 = tetrahedron(), d6 = cube(), d8 = octahedron(), d10 = trapezohedron(),
                d12 = dodecahedron(), d20 = icosahedron();
    const QVector3D front(0.12f, 0.32f, 1.0f); // the camera sees the front face a little from above

    // The d4 stands on a face, point up; the camera looks down on it a little.
    const QQuaternion standing = QQuaternion::fromEulerAngles(18, 0, 0) *
                                 QQuaternion::fromEulerAngles(0, 25, 0) *
                                 QQuaternion::rotationTo(d4.faces[0].normal, QVector3D(0, -1, 0));

    return {
        {{"d4", 66, 57}, d4, standing, tetraNumerals, 4},
        {{"d6", 58, 66}, d6, QQuaternion::fromEulerAngles(24, -32, 0), pips, 6},
        {{"d8", 66, 79},
         d8,
         facing(d8, 0, front, -8),
         numerals({"5", "3", "7", "1", "8", "2", "4", "6"}, 1.05),
         8},
        {{"d10", 64, 64},
         d10,
         QQuaternion::fromEulerAngles(-62, 18, 0),
         numerals({"7", "3", "9", "1", "5", "0", "2", "8", "4", "6"}, 1.0, true),
         10},
        {{"d12", 66, 65},
         d12,
         facing(d12, 0, front, 10),
         numerals({"6", "11", "2", "9", "4", "12", "1", "8", "3", "10", "5", "7"}, 0.95, true),
         12},
        {{"d20", 72, 73},
         d20,
         facing(d20, 0, front, -6),
         numerals({"8", "14", "2",  "17", "5",  "11", "20", "3", "16", "9",
                   "1", "12", "19", "6",  "15", "4",  "18", "7", "13", "10"},
                  1.05, true),
         20},
        {{"d10tens", 66, 71},
         d10,
         QQuaternion::fromEulerAngles(-60, -14, 0),
         numerals({"40", "80", "00", "60", "20", "90", "10", "70", "30", "50"}, 0.8),
         100},
    };
}

// The hundred-sided die's picture and the seed of its grain.
constexpr Picture ball{"d100", 76, 75};
constexpr unsigned ballSeed = 1000;

} // namespace

QRectF fit(Camera &camera, const std::vector<QVector3D> &turned, const QRectF &target)
{
    camera.scale = 1;
    camera.centre = QPointF(0, 0);
    QRectF bounds;
    for (const QVector3D &v : turned) {
        const QPointF q = camera.project(v);
        bounds = bounds.isNull() ? QRectF(q, QSizeF(1e-6, 1e-6))
                                 : bounds.united(QRectF(q, QSizeF(1e-6, 1e-6)));
    }
    const double s = std::min(target.width() / bounds.width(), target.height() / bounds.height());
    camera.scale = static_cast<float>(s);
    camera.centre = target.center() - bounds.center() * s;
    return QRectF(target.center() - QPointF(bounds.width() * s / 2, bounds.height() * s / 2),
                  QSizeF(bounds.width() * s, bounds.height() * s));
}

std::vector<int> visibleFaces(const Camera &camera, const Solid &solid)
{
    std::vector<int> visible;
    for (std::size_t i = 0; i < solid.faces.size(); ++i)
        if (camera.turn(solid.faces[i].normal).z() > 0.02f)
            visible.push_back(static_cast<int>(i));
    std::sort(visible.begin(), visible.end(), [&](int a, int b) {
        return camera.turn(solid.faces[static_cast<std::size_t>(a)].normal).z() <
               camera.turn(solid.faces[static_cast<std::size_t>(b)].normal).z();
    });
    return visible;
}

double shade(const QVector3D &normal)
{
    return 0.3 + 0.7 * std::max(0.0f, QVector3D::dotProduct(normal, light));
}

double specular(const QVector3D &normal)
{
    const QVector3D half = (light + viewer).normalized();
    return std::pow(std::max(0.0f, QVector3D::dotProduct(normal, half)), 40.0f);
}

QColor lit(const QColor &base, double diffuse, double gloss)
{
    const auto channel = [&](int c) {
        return std::clamp(static_cast<int>(c * diffuse + 255 * 0.55 * gloss), 0, 255);
    };
    return QColor(channel(base.red()), channel(base.green()), channel(base.blue()));
}

QTransform faceTransform(const Camera &camera, const QVector3D &origin, const QVector3D &right,
                         const QVector3D &up)
{
    const QPointF o = camera.project(origin);
    const QPointF r = camera.project(origin + right * 0.01f) - o;
    const QPointF d = camera.project(origin - up * 0.01f) - o;
    return QTransform(r.x() * 100, r.y() * 100, d.x() * 100, d.y() * 100, o.x(), o.y());
}

QVector3D faceUp(const QVector3D &normal, int face, double turn)
{
    QVector3D up = QVector3D(0, 1, 0) - normal * QVector3D::dotProduct(QVector3D(0, 1, 0), normal);
    if (up.lengthSquared() < 1e-4f)
        up = QVector3D(0, 0, -1) - normal * QVector3D::dotProduct(QVector3D(0, 0, -1), normal);
    up.normalize();
    const float angle = static_cast<float>(turn * ((face * 37) % 11 - 5) / 5.0);
    return QQuaternion::fromAxisAndAngle(normal, angle).rotatedVector(up);
}

QFont numeralFont(double pixelSize)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QImage renderDiePicture(const QString &name, int scale)
{
    // Each size has its own grain: the 2x picture's seed follows the 1x picture's.
    const unsigned seedOffset = static_cast<unsigned>(scale - 1);
    if (name == QLatin1String(ball.name))
        return downscale(renderBall(ball, paintScale), ball.width * scale, ball.height * scale,
                         ballSeed + seedOffset);
    for (const Die &die : polyhedralDice())
        if (name == QLatin1String(die.picture.name))
            return downscale(renderPolyhedron(die, paintScale), die.picture.width * scale,
                             die.picture.height * scale, die.seed + seedOffset);
    return {};
}
