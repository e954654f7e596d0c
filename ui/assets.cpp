// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "assets.h"

#include "embeddedpictures.h"

#include <QIconEngine>
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

// The window icon `name`: PNG files at 32 pixels and in 2x and 4x renders, each read when
// first asked for, so a platform that shows no window icons reads none of them.
class WindowIconEngine final : public QIconEngine
{
public:
    explicit WindowIconEngine(QString name) : m_name(std::move(name)) {}

    // Every mode and state shows the same picture: the program never disables its icon.
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // The smallest render at least as large as asked for, scaled down to fit.
        std::size_t i = 0;
        while (i + 1 < std::size(m_renders) && 32 << i < qMax(size.width(), size.height()))
            ++i;
        if (m_renders[i].isNull())
            m_renders[i] = QPixmap::fromImage(
                readImage(QStringLiteral(":/assets/window/%1%2.png")
                              .arg(m_name, i == 0 ? QString() : QStringLiteral("@%1x").arg(1 << i)),
                          QByteArrayLiteral("png")));
        const QPixmap &render = m_renders[i];
        return render.size() == size || size.isEmpty()
                   ? render
                   : render.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap image = pixmap(rect.size() * ratio, mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), image);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(32, 32), QSize(64, 64), QSize(128, 128)};
    }

    QIconEngine *clone() const override { return new WindowIconEngine(m_name); }
    QString key() const override { return QStringLiteral("quandrel-window-icon"); }

private:
    QString m_name;
    QPixmap m_renders[3]; // 32, 64 and 128 pixels
};

} // namespace

QIcon programIcon()
{
    // Made once: every window and every opening of the About window share its pixmaps.
    static const QIcon icon(new WindowIconEngine(QStringLiteral("quandrel")));
    return icon;
}

QIcon outlineIcon()
{
    static const QIcon icon(new WindowIconEngine(QStringLiteral("quandrel-outline")));
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
