// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Renders the die pictures and the program icons into the assets folder:
//   render-assets ASSETS_DIR
// It writes the files of its table in order. The desktop icons are rendered from their
// drawings by rsvg-convert, and the macOS icon is gathered from them last. It paints
// offscreen unless QT_QPA_PLATFORM names a platform.

#include "tools/dierenderer.h"
#include "tools/iconfiles.h"
#include "tools/iconpainter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>

#include <cstdio>
#include <functional>

namespace {

// One file of the assets folder: its path there, and how its contents are made from the
// folder as it stands, since some files are made from those written before them.
struct Asset
{
    const char *path;
    std::function<QByteArray(const QDir &assets)> contents;
};

// `image` coded as `format` ("BMP", "PNG"), as QImage::save writes it; empty on failure.
QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray data;
    QBuffer buffer(&data);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format) ? data : QByteArray();
}

// Die picture `name` at `scale` times its 1x size, as BMP.
auto diePicture(const char *name, int scale)
{
    return [=](const QDir &) {
        return encoded(renderDiePicture(QString::fromLatin1(name), scale), "BMP");
    };
}

// The program icon at `size` pixels, as PNG.
auto icon(int size, IconLook look)
{
    return [=](const QDir &) { return encoded(renderIcon(size, look), "PNG"); };
}

// The program icon as a 32-pixel, 256-colour ICO file.
auto ico(IconLook look)
{
    constexpr int icoSide = 32; // the one size the ICO writer takes
    return [=](const QDir &) { return icoFile(renderIcon(icoSide, look)); };
}

// The pixels of the ICO file at `path` as PNG, which Qt reads without a plugin.
auto icoPixels(const char *path)
{
    return [=](const QDir &assets) {
        return encoded(QImage(assets.filePath(QLatin1String(path))), "PNG");
    };
}

// The drawing at `path` rendered by rsvg-convert, `size` pixels square, as PNG.
auto rasterised(const char *path, int size)
{
    return [=](const QDir &assets) {
        const QString pixels = QString::number(size);
        QProcess rsvg;
        rsvg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        rsvg.start(QStringLiteral(QUANDREL_RSVG_CONVERT),
                   {QStringLiteral("-w"), pixels, QStringLiteral("-h"), pixels,
                    assets.filePath(QLatin1String(path))});
        const bool ok = rsvg.waitForFinished() && rsvg.exitStatus() == QProcess::NormalExit &&
                        rsvg.exitCode() == 0;
        return ok ? rsvg.readAllStandardOutput() : QByteArray();
    };
}

// The macOS icon, holding the desktop icons.
QByteArray macIcon(const QDir &assets)
{
    QList<QImage> icons;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(assets.filePath(QStringLiteral("icons/quandrel-%1.png").arg(size)));
        if (icon.isNull())
            return {};
        icons << icon;
    }
    return icnsFile(icons);
}

// The die pictures at 1x and 2x; the program icon: its 32-pixel, 256-colour ICO file, the
// design's own pixels, which are also the 32-pixel desktop and window icon, and its
// scalable drawing; the About window's second die, plain, as ICO, as the ICO's pixels and
// as full-colour renders for 2x and 4x screens; the desktop icons, those of 16 and 24
// pixels from their own drawings, made by hand on their pixel grids, the larger ones from
// the scalable drawing; and the macOS icon.
const Asset table[] = {
    {"d4.bmp", diePicture("d4", 1)},
    {"d4@2x.bmp", diePicture("d4", 2)},
    {"d6.bmp", diePicture("d6", 1)},
    {"d6@2x.bmp", diePicture("d6", 2)},
    {"d8.bmp", diePicture("d8", 1)},
    {"d8@2x.bmp", diePicture("d8", 2)},
    {"d10.bmp", diePicture("d10", 1)},
    {"d10@2x.bmp", diePicture("d10", 2)},
    {"d12.bmp", diePicture("d12", 1)},
    {"d12@2x.bmp", diePicture("d12", 2)},
    {"d20.bmp", diePicture("d20", 1)},
    {"d20@2x.bmp", diePicture("d20", 2)},
    {"d10tens.bmp", diePicture("d10tens", 1)},
    {"d10tens@2x.bmp", diePicture("d10tens", 2)},
    {"d100.bmp", diePicture("d100", 1)},
    {"d100@2x.bmp", diePicture("d100", 2)},
    {"quandrel.ico", ico(IconLook::Shaded)},
    {"icons/quandrel-32.png", icoPixels("quandrel.ico")},
    {"icons/quandrel.svg", [](const QDir &) { return iconSvg(); }},
    {"quandrel-outline.ico", ico(IconLook::Plain)},
    {"window/quandrel-outline.png", icoPixels("quandrel-outline.ico")},
    {"window/quandrel-outline@2x.png", icon(64, IconLook::Plain)},
    {"window/quandrel-outline@4x.png", icon(128, IconLook::Plain)},
    {"icons/quandrel-16.png", rasterised("icons/quandrel-16.svg", 16)},
    {"icons/quandrel-24.png", rasterised("icons/quandrel-24.svg", 24)},
    {"icons/quandrel-48.png", rasterised("icons/quandrel.svg", 48)},
    {"icons/quandrel-64.png", rasterised("icons/quandrel.svg", 64)},
    {"icons/quandrel-128.png", rasterised("icons/quandrel.svg", 128)},
    {"icons/quandrel-256.png", rasterised("icons/quandrel.svg", 256)},
    {"quandrel.icns", macIcon},
};

// Writes `data` to the file at `path`, making its folder if there is none.
bool write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(data) == data.size() && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render-assets ASSETS_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const Asset &asset : table) {
        const QString path = out.filePath(QLatin1String(asset.path));
        const QByteArray data = asset.contents(out);
        if (data.isEmpty()) {
            std::fprintf(stderr, "render-assets: cannot make %s\n", qPrintable(path));
            ok = false;
        } else if (!write(path, data)) {
            std::fprintf(stderr, "render-assets: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
