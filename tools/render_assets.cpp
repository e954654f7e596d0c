// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Renders the die pictures and the program icons into the assets folder, and once the
// desktop icons are rendered from their drawings, gathers them into the macOS icon:
//   render-assets ASSETS_DIR
//   render-assets --icns ASSETS_DIR
// Every die is a shaded solid of real geometry, lit from the upper left, in speckled
// plastic, with its numerals on the faces, a soft contact shadow, supersampled and then
// scaled down. Fixed seeds and a fixed font make the output the same on every run.

#include "iconfiles.h"
#include "solids.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QQuaternion>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

constexpr int supersample = 8; // rendering scale over the 1x picture
constexpr float cameraDistance = 9.0f;
const QVector3D light = QVector3D(-0.55f, 0.75f, 0.65f).normalized();
const QVector3D viewer(0, 0, 1);
const QColor beige(233, 223, 200);
const QColor lightGrey(214, 214, 212);
const QColor plastic(168, 24, 20);
const QColor speckle(22, 10, 10);
const QColor ink(244, 238, 222);

// One picture: what it shows and how large it is.
struct Picture
{
    const char *name;
    int width;
    int height;
};

// A camera looking down -z at a rotated solid, with a weak perspective.
struct View
{
    QQuaternion orientation;
    float scale = 1;
    QPointF centre;

    QVector3D turn(const QVector3D &p) const { return orientation.rotatedVector(p); }
    QPointF project(const QVector3D &turned) const
    {
        const float f = cameraDistance / (cameraDistance - turned.z());
        return centre + QPointF(turned.x() * f * scale, -turned.y() * f * scale);
    }
};

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

// Maps a face's own 2D frame (x right, y down, one unit = one world unit) at `origin`
// to the picture, so text and pips can be drawn onto the face.
QTransform faceTransform(const View &view, const QVector3D &origin, const QVector3D &right,
                         const QVector3D &up)
{
    const QPointF o = view.project(origin);
    const QPointF r = view.project(origin + right * 0.01f) - o;
    const QPointF d = view.project(origin - up * 0.01f) - o;
    return QTransform(r.x() * 100, r.y() * 100, d.x() * 100, d.y() * 100, o.x(), o.y());
}

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
    QRadialGradient light(centre, std::hypot(image.width(), image.height()) * 0.5);
    light.setColorAt(0.0, QColor(255, 255, 255, 34));
    light.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), light);
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

QFont numeralFont(double pixelSize)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Draws `text` centred at the transform's origin, `height` world units tall.
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

// One polyhedral die: its picture, solid and pose. `decorate` draws numerals or pips on
// a visible face; `rank` 0 is the face that looks most squarely at the viewer.
struct Die
{
    Picture picture;
    Solid solid;
    QQuaternion orientation;
    std::function<void(QPainter &, const View &, const Solid &, int face, int rank,
                       const QVector3D &centroid, const QVector3D &normal)>
        decorate;
    unsigned seed;
};

// The in-face "up" for numerals: world up projected into the face, turned a little per
// face so the side numerals do not all stand the same way.
QVector3D faceUp(const QVector3D &normal, int face, double turn)
{
    QVector3D up = QVector3D(0, 1, 0) - normal * QVector3D::dotProduct(QVector3D(0, 1, 0), normal);
    if (up.lengthSquared() < 1e-4f)
        up = QVector3D(0, 0, -1) - normal * QVector3D::dotProduct(QVector3D(0, 0, -1), normal);
    up.normalize();
    const float angle = static_cast<float>(turn * ((face * 37) % 11 - 5) / 5.0);
    return QQuaternion::fromAxisAndAngle(normal, angle).rotatedVector(up);
}

QRectF fit(View &view, const std::vector<QVector3D> &turned, const QRectF &target)
{
    view.scale = 1;
    view.centre = QPointF(0, 0);
    QRectF bounds;
    for (const QVector3D &v : turned) {
        const QPointF q = view.project(v);
        bounds = bounds.isNull() ? QRectF(q, QSizeF(1e-6, 1e-6))
                                 : bounds.united(QRectF(q, QSizeF(1e-6, 1e-6)));
    }
    const double s = std::min(target.width() / bounds.width(), target.height() / bounds.height());
    view.scale = static_cast<float>(s);
    view.centre = target.center() - bounds.center() * s;
    return QRectF(target.center() - QPointF(bounds.width() * s / 2, bounds.height() * s / 2),
                  QSizeF(bounds.width() * s, bounds.height() * s));
}

QImage renderPolyhedron(const Die &die, int scale)
{
    const int w = die.picture.width * scale;
    const int h = die.picture.height * scale;
    QImage image(w, h, QImage::Format_RGB32);
    backdrop(image, beige);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    View view;
    view.orientation = die.orientation;
    std::vector<QVector3D> turned;
    for (const QVector3D &v : die.solid.vertices)
        turned.push_back(view.turn(v));
    const QRectF target(w * 0.07, h * 0.05, w * 0.86, h * 0.82);
    const QRectF dieRect = fit(view, turned, target);
    contactShadow(p, dieRect);

    // Visible faces, the ones facing the viewer most squarely last.
    std::vector<int> visible;
    for (std::size_t i = 0; i < die.solid.faces.size(); ++i)
        if (view.turn(die.solid.faces[i].normal).z() > 0.02f)
            visible.push_back(static_cast<int>(i));
    std::sort(visible.begin(), visible.end(), [&](int a, int b) {
        return view.turn(die.solid.faces[static_cast<std::size_t>(a)].normal).z() <
               view.turn(die.solid.faces[static_cast<std::size_t>(b)].normal).z();
    });

    std::mt19937 random(die.seed);
    const double unit = scale * 0.55; // one speckle unit: about half a picture pixel
    int rank = static_cast<int>(visible.size());
    for (int index : visible) {
        --rank; // 0 is the face that looks straight at the viewer
        const Face &face = die.solid.faces[static_cast<std::size_t>(index)];
        const QVector3D n = view.turn(face.normal);
        QPolygonF polygon;
        for (int v : face.vertices)
            polygon << view.project(turned[static_cast<std::size_t>(v)]);
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
        die.decorate(p, view, die.solid, index, rank, view.turn(face.centroid), n);
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

// Numerals on the faces that face the viewer well enough to read.
auto numerals(std::vector<QString> labels, double sizeOfInradius, bool marked69 = false)
{
    return [labels = std::move(labels), sizeOfInradius,
            marked69](QPainter &p, const View &view, const Solid &solid, int face, int rank,
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
        drawNumeral(p, faceTransform(view, centroid, right, up), label, inradius * sizeOfInradius,
                    ink, mark ? 0.07 : 0);
    };
}

// Pips of a six-sided die: front 1, then 2 and 3 on the faces beside it.
void pips(QPainter &p, const View &view, const Solid &, int, int rank, const QVector3D &centroid,
          const QVector3D &normal)
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
    p.setTransform(faceTransform(view, centroid, right, up), true);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (const QPointF &pip : layouts[static_cast<std::size_t>(shown[rank] - 1)])
        p.drawEllipse(pip, 0.19, 0.19);
    p.restore();
}

// Small numerals at the corners of each face of the four-sided die, each pointing at
// its corner.
void tetraNumerals(QPainter &p, const View &view, const Solid &solid, int face, int,
                   const QVector3D &, const QVector3D &normal)
{
    if (normal.z() < 0.25f)
        return;
    const Face &f = solid.faces[static_cast<std::size_t>(face)];
    for (int v : f.vertices) {
        const QVector3D corner = view.turn(solid.vertices[static_cast<std::size_t>(v)]);
        const QVector3D c = view.turn(f.centroid);
        const QVector3D up = (corner - c).normalized();
        const QVector3D right = QVector3D::crossProduct(up, normal);
        drawNumeral(p, faceTransform(view, c + (corner - c) * 0.55f, right, up),
                    QString::number(v + 1), 0.42, ink);
    }
}

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
    View view;
    view.scale = static_cast<float>(r);
    view.centre = centre;
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
        p.setTransform(faceTransform(view, n * 0.985f, right, up), true);
        p.setPen(QPen(QColor(150, 150, 150, 110), 0.012));
        p.setBrush(QColor(225, 225, 222, 120));
        p.drawEllipse(QPointF(0, 0), i == 0 ? 0.24 : 0.16, i == 0 ? 0.17 : 0.12);
        p.restore();
        drawNumeral(p, faceTransform(view, n, right, up), label, height * (0.75 + 0.25 * n.z()),
                    QColor(18, 18, 18));
    }
    p.end();
    return image;
}

// The program icon: a tilted red die with a numeral, and a few red marks at its upper
// left, painted into a square of `s` units. `plain` shades the die in flat red and outlines
// the numeral in black.
void paintIcon(QPainter &p, double s, bool plain)
{
    p.setRenderHint(QPainter::Antialiasing);

    const Solid solid = cube();
    View view;
    view.orientation = QQuaternion::fromEulerAngles(-16, 30, 14);
    std::vector<QVector3D> turned;
    for (const QVector3D &v : solid.vertices)
        turned.push_back(view.turn(v));
    fit(view, turned, QRectF(s * 0.2, s * 0.16, s * 0.79, s * 0.82));

    std::vector<int> visible;
    for (std::size_t i = 0; i < solid.faces.size(); ++i)
        if (view.turn(solid.faces[i].normal).z() > 0.02f)
            visible.push_back(static_cast<int>(i));
    std::sort(visible.begin(), visible.end(), [&](int a, int b) {
        return view.turn(solid.faces[static_cast<std::size_t>(a)].normal).z() <
               view.turn(solid.faces[static_cast<std::size_t>(b)].normal).z();
    });
    for (int index : visible) {
        const Face &face = solid.faces[static_cast<std::size_t>(index)];
        const QVector3D n = view.turn(face.normal);
        QPolygonF polygon;
        for (int v : face.vertices)
            polygon << view.project(turned[static_cast<std::size_t>(v)]);
        const QColor red(200, 20, 16);
        p.setPen(QPen(QColor(90, 0, 0), s * 0.025, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(plain ? red : lit(red, shade(n) * 1.1, specular(n)));
        p.drawPolygon(polygon);
    }
    // The numeral on the face that looks at the viewer.
    const Face &front = solid.faces[static_cast<std::size_t>(visible.back())];
    const QVector3D n = view.turn(front.normal);
    const QVector3D up = faceUp(n, 0, 0);
    const QVector3D right = QVector3D::crossProduct(up, n);
    const QTransform onFace = faceTransform(view, view.turn(front.centroid), right, up);
    p.save();
    p.setTransform(onFace, true);
    const double k = 1.55 / 72.0;
    p.scale(k, k);
    QPainterPath numeral;
    numeral.addText(0, 0, numeralFont(100), QStringLiteral("7"));
    numeral.translate(-numeral.boundingRect().center());
    if (plain) {
        p.setPen(QPen(Qt::black, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
    } else {
        p.setPen(QPen(QColor(120, 60, 0), 5));
        p.setBrush(QColor(255, 214, 0));
    }
    p.drawPath(numeral);
    p.restore();

    // Motion marks at the upper left.
    p.setPen(QPen(QColor(210, 24, 18), s * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.05, s * 0.30), QPointF(s * 0.20, s * 0.36));
    p.drawLine(QPointF(s * 0.10, s * 0.14), QPointF(s * 0.24, s * 0.25));
    p.drawLine(QPointF(s * 0.25, s * 0.04), QPointF(s * 0.33, s * 0.17));
}

// The program icon at `size` pixels: painted supersampled, then scaled down.
QImage renderIcon(int size, bool plain)
{
    const int s = size * supersample;
    QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintIcon(p, s, plain);
    p.end();
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

// The program icon as a scalable drawing: the same paint, recorded as SVG, 128 units square.
QByteArray iconSvg()
{
    constexpr int units = 128;
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(units, units));
    svg.setViewBox(QRect(0, 0, units, units));
    svg.setTitle(QStringLiteral("The program icon: a tilted red die with a yellow 7 and motion "
                                "marks at its upper left."));
    svg.setDescription(QStringLiteral("Generated by render-assets; do not edit."));
    QPainter p(&svg);
    paintIcon(p, units, false);
    p.end();
    // Its size in pixels, as desktop icons give it, rather than in the millimetres the
    // generator writes.
    QString svgText = QString::fromUtf8(buffer.data());
    svgText.replace(QRegularExpression(QStringLiteral(R"(width="[0-9.]+mm" height="[0-9.]+mm")")),
                    QStringLiteral(R"(width="%1" height="%1")").arg(units));
    QByteArray text = svgText.toUtf8();
    const qsizetype opened = text.indexOf('>', text.indexOf("<svg")) + 1;
    text.insert(opened, "\n<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
                        "<!-- SPDX-FileCopyrightText: The Quandrel developers -->");
    return text;
}

// Scales a supersampled picture down in halving steps, so every source pixel counts.
QImage downscale(QImage image, int width, int height, unsigned seed)
{
    while (image.width() >= 2 * width && image.height() >= 2 * height)
        image = image.scaled(image.width() / 2, image.height() / 2, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    grain(image, seed);
    return image.convertToFormat(QImage::Format_RGB888);
}

bool save(const QImage &image, const QString &path)
{
    if (!image.save(path)) {
        std::fprintf(stderr, "render-assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeIco(const QImage &image, const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(icoFile(image)) > 0;
}

QQuaternion facing(const Solid &solid, int face, const QVector3D &towards, float twist)
{
    const QQuaternion to = QQuaternion::rotationTo(
        solid.faces[static_cast<std::size_t>(face)].normal, towards.normalized());
    return QQuaternion::fromAxisAndAngle(towards.normalized(), twist) * to;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const bool icnsOnly = argc == 3 && QByteArray(argv[1]) == "--icns";
    if (argc != 2 && !icnsOnly) {
        std::fprintf(stderr, "usage: render-assets ASSETS_DIR\n"
                             "       render-assets --icns ASSETS_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[argc - 1]));
    if (icnsOnly) {
        // The macOS icon holds the desktop icons, once every size of them is rendered.
        QList<QImage> macIcons;
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QImage icon(out.filePath(QStringLiteral("icons/quandrel-%1.png").arg(size)));
            if (icon.isNull())
                return 1;
            macIcons << icon;
        }
        QFile icns(out.filePath(QStringLiteral("quandrel.icns")));
        return icns.open(QIODevice::WriteOnly) && icns.write(icnsFile(macIcons)) > 0 ? 0 : 1;
    }
    out.mkpath(QStringLiteral("icons"));

    const Solid d4 = tetrahedron(), d6 = cube(), d8 = octahedron(), d10 = trapezohedron(),
                d12 = dodecahedron(), d20 = icosahedron();
    const QVector3D front(0.12f, 0.32f, 1.0f); // the camera sees the front face a little from above

    // The d4 stands on a face, point up; the camera looks down on it a little.
    const QQuaternion standing = QQuaternion::fromEulerAngles(18, 0, 0) *
                                 QQuaternion::fromEulerAngles(0, 25, 0) *
                                 QQuaternion::rotationTo(d4.faces[0].normal, QVector3D(0, -1, 0));

    const std::vector<Die> dice = {
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

    bool ok = true;
    for (const Die &die : dice) {
        const QImage big = renderPolyhedron(die, supersample * 2);
        ok &= save(downscale(big, die.picture.width, die.picture.height, die.seed),
                   out.filePath(QStringLiteral("%1.bmp").arg(die.picture.name)));
        ok &= save(downscale(big, die.picture.width * 2, die.picture.height * 2, die.seed + 1),
                   out.filePath(QStringLiteral("%1@2x.bmp").arg(die.picture.name)));
    }
    const Picture ball{"d100", 76, 75};
    const QImage big = renderBall(ball, supersample * 2);
    ok &= save(downscale(big, ball.width, ball.height, 1000),
               out.filePath(QStringLiteral("d100.bmp")));
    ok &= save(downscale(big, ball.width * 2, ball.height * 2, 1001),
               out.filePath(QStringLiteral("d100@2x.bmp")));

    // The program icon: its 32-pixel, 256-colour ICO file, the design's own pixels, which
    // are also the 32-pixel desktop and window icon, and its scalable drawing, which the
    // larger sizes are rendered from.
    ok &= writeIco(renderIcon(32, false), out.filePath(QStringLiteral("quandrel.ico")));
    ok &= save(QImage(out.filePath(QStringLiteral("quandrel.ico"))),
               out.filePath(QStringLiteral("icons/quandrel-32.png")));
    QFile svg(out.filePath(QStringLiteral("icons/quandrel.svg")));
    const QByteArray drawing = iconSvg();
    ok &= svg.open(QIODevice::WriteOnly) && svg.write(drawing) == drawing.size();
    // The About window's second die: the same, plain, as ICO, the ICO's pixels as PNG (which
    // Qt reads without a plugin) and full-colour renders for 2x and 4x screens.
    out.mkpath(QStringLiteral("window"));
    const QString outline = out.filePath(QStringLiteral("quandrel-outline.ico"));
    ok &= writeIco(renderIcon(32, true), outline);
    ok &= save(QImage(outline), out.filePath(QStringLiteral("window/quandrel-outline.png")));
    ok &=
        save(renderIcon(64, true), out.filePath(QStringLiteral("window/quandrel-outline@2x.png")));
    ok &=
        save(renderIcon(128, true), out.filePath(QStringLiteral("window/quandrel-outline@4x.png")));
    return ok ? 0 : 1;
}
