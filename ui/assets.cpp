// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "assets.h"

#include <QPainter>

namespace assets {

namespace {

// The window icon `name` at 32 pixels and in its 2x and 4x renders. Each file is PNG,
// which Qt reads without loading an image plugin.
QIcon windowIcon(const QString &name)
{
    QIcon icon;
    for (const int scale : {1, 2, 4})
        icon.addFile(QStringLiteral(":/assets/window/%1%2.png")
                         .arg(name, scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)),
                     QSize(32 * scale, 32 * scale));
    return icon;
}

} // namespace

QIcon programIcon()
{
    return windowIcon(QStringLiteral("quandrel"));
}

QIcon outlineIcon()
{
    return windowIcon(QStringLiteral("quandrel-outline"));
}

QPixmap diePicture(const QString &name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QPixmap sharp(QStringLiteral(":/assets/%1@2x.bmp").arg(name));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(QStringLiteral(":/assets/%1.bmp").arg(name));
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
