// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "ui/assets.h"

#include "ui/embeddedpictures.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

#include <span>
#include <vector>

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

// One size of a window icon: its PNG file among the resources.
struct IconFile
{
    int pixels;
    const char *path;
};

// The program icon's sizes: its own drawings for 16 and 24 pixels, the design's pixels at 32,
// and renders of its scalable drawing above that. The desktop's icon theme gets the same files.
constexpr IconFile programIconFiles[] = {
    {16, ":/assets/icons/quandrel-16.png"}, {24, ":/assets/icons/quandrel-24.png"},
    {32, ":/assets/icons/quandrel-32.png"}, {48, ":/assets/icons/quandrel-48.png"},
    {64, ":/assets/icons/quandrel-64.png"}, {128, ":/assets/icons/quandrel-128.png"},
};
// The About window's second die: the design's pixels, and renders for 2x and 4x screens.
constexpr IconFile outlineIconFiles[] = {
    {32, ":/assets/window/quandrel-outline.png"},
    {64, ":/assets/window/quandrel-outline@2x.png"},
    {128, ":/assets/window/quandrel-outline@4x.png"},
};

// A window icon from its files, smallest first, each read when first asked for, so a
// platform that shows no window icons reads none of them.
class WindowIconEngine final : public QIconEngine
{
public:
    explicit WindowIconEngine(std::span<const IconFile> files)
        : m_files(files), m_pixmaps(files.size())
    {
    }

    // Every mode and state shows the same picture: the program never disables its icon.
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // The smallest size at least as large as asked for, scaled down where it is larger.
        std::size_t i = 0;
        while (i + 1 < m_files.size() && m_files[i].pixels < qMax(size.width(), size.height()))
            ++i;
        if (m_pixmaps[i].isNull())
            m_pixmaps[i] = QPixmap::fromImage(
                readImage(QString::fromLatin1(m_files[i].path), QByteArrayLiteral("png")));
        const QPixmap &found = m_pixmaps[i];
        return found.size() == size || size.isEmpty()
                   ? found
                   : found.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
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
        QList<QSize> sizes;
        for (const IconFile &file : m_files)
            sizes << QSize(file.pixels, file.pixels);
        return sizes;
    }

    QIconEngine *clone() const override { return new WindowIconEngine(m_files); }
    QString key() const override { return QStringLiteral("quandrel-window-icon"); }

private:
    std::span<const IconFile> m_files;
    std::vector<QPixmap> m_pixmaps; // by file, null until read
};

} // namespace

QIcon programIcon()
{
    // Made once: every window and every opening of the About window share its pixmaps.
    static const QIcon icon(new WindowIconEngine(programIconFiles));
    return icon;
}

QIcon outlineIcon()
{
    static const QIcon icon(new WindowIconEngine(outlineIconFiles));
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
            return {reinterpret_cast<const uchar *>(picture.pixels), picture.width, picture.height,
                    qsizetype(picture.width) * 4, QImage::Format_RGB32};
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
