// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "assets.h"

#include "embeddedpictures.h"

#include <QImageReader>
#include <QPainter>

namespace assets {

namespace {

// An image read with the built-in reader for `format` alone: naming the format and not
// guessing it keeps Qt from loading every image plugin to ask whether it knows the file.
QImage readImage(const QString &path, const QByteArray &format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The window icon `name` at 32 pixels and in its 2x and 4x renders, all PNG.
QIcon windowIcon(const QString &name)
{
    QIcon icon;
    for (const int scale : {1, 2, 4})
        icon.addPixmap(QPixmap::fromImage(
            readImage(QStringLiteral(":/assets/window/%1%2.png")
                          .arg(name, scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)),
                      QByteArrayLiteral("png"))));
    return icon;
}

} // namespace

QIcon programIcon()
{
    // Made once: every window and every opening of the About window share its pixmaps.
    static const QIcon icon = windowIcon(QStringLiteral("quandrel"));
    return icon;
}

QIcon outlineIcon()
{
    static const QIcon icon = windowIcon(QStringLiteral("quandrel-outline"));
    return icon;
}

QImage diePicture(const QString &name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QImage sharp =
            readImage(QStringLiteral(":/assets/2x/%1@2x.bmp").arg(name), QByteArrayLiteral("bmp"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    // The 1x pixels are part of the program: an image over them copies and decodes nothing.
    for (int i = 0; i < embeddedPictureCount; ++i) {
        const EmbeddedPicture &picture = embeddedPictures[i];
        if (name == QLatin1String(picture.name))
            return QImage(reinterpret_cast<const uchar *>(picture.pixels), picture.width,
                          picture.height, picture.width * 4, QImage::Format_RGB32);
    }
    return {};
}

QPixmap withRim(const QPixmap &pixmap, const QColor &colour)
{
    // Drawn in device pixels: the rim is as wide as one device-independent pixel.
    const qreal ratio = pixmap.devicePixelRatio();
    const int width = qMax(1, qRound(ratio));
    QImage picture = pixmap.toImage();
    picture.setDevicePixelRatio(1.0);
    QImage rimmed(picture.size(), QImage::Format_ARGB32_Premultiplied);
    rimmed.fill(Qt::transparent);
    QPainter painter(&rimmed);
    // The picture's shape, spread by the rim's width in every direction, in the rim colour.
    for (int dy = -width; dy <= width; ++dy)
        for (int dx = -width; dx <= width; ++dx)
            painter.drawImage(dx, dy, picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(rimmed.rect(), colour);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, picture);
    painter.end();
    QPixmap result = QPixmap::fromImage(rimmed);
    result.setDevicePixelRatio(ratio);
    return result;
}

} // namespace assets
