// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "tools/iconfiles.h"

#include <QBuffer>
#include <QDataStream>
#include <QIODevice>

namespace {
constexpr int side = 32;
constexpr int paletteSize = 256;
constexpr int headerSize = 40;
constexpr int maskRowBytes = 4; // 32 bits, already a multiple of four bytes
} // namespace

QByteArray icoFile(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    // Quantise the opaque look: transparent pixels take the mean colour so they cost no
    // palette entry of their own.
    QImage opaque(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QRgb p = argb.pixel(x, y);
            opaque.setPixel(x, y, qAlpha(p) >= 128 ? (p | 0xff000000u) : qRgb(128, 0, 0));
        }
    const QImage indexed = opaque.convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither | Qt::PreferDither);

    const int imageBytes = side * side;
    const int maskBytes = side * maskRowBytes;
    const int dataSize = headerSize + paletteSize * 4 + imageBytes + maskBytes;

    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    // ICONDIR and its one ICONDIRENTRY.
    s << quint16(0) << quint16(1) << quint16(1);
    s << quint8(side) << quint8(side) << quint8(0) << quint8(0) << quint16(1) << quint16(8)
      << quint32(dataSize) << quint32(6 + 16);
    // BITMAPINFOHEADER: the height counts the XOR and the AND image.
    s << quint32(headerSize) << qint32(side) << qint32(2 * side) << quint16(1) << quint16(8)
      << quint32(0) << quint32(imageBytes + maskBytes) << qint32(0) << qint32(0)
      << quint32(paletteSize) << quint32(0);
    const QList<QRgb> colours = indexed.colorTable();
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : 0;
        s << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    for (int y = side - 1; y >= 0; --y) // bottom-up rows
        for (int x = 0; x < side; ++x)
            s << quint8(indexed.pixelIndex(x, y));
    for (int y = side - 1; y >= 0; --y) {
        quint32 bits = 0;
        for (int x = 0; x < side; ++x)
            if (qAlpha(argb.pixel(x, y)) < 128)
                bits |= 1u << (31 - x);
        s << quint8(bits >> 24) << quint8(bits >> 16) << quint8(bits >> 8) << quint8(bits);
    }
    return out;
}

QByteArray icnsFile(const QList<QImage> &images)
{
    // Entry types by pixel size for PNG-coded images.
    const auto type = [](int size) -> const char * {
        switch (size) {
        case 16:
            return "icp4";
        case 32:
            return "icp5";
        case 64:
            return "icp6";
        case 128:
            return "ic07";
        case 256:
            return "ic08";
        case 512:
            return "ic09";
        case 1024:
            return "ic10";
        default:
            return nullptr;
        }
    };
    QByteArray entries;
    for (const QImage &image : images) {
        const char *code = type(image.width());
        if (!code)
            continue;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        QDataStream s(&entries, QIODevice::Append);
        s.setByteOrder(QDataStream::BigEndian);
        s.writeRawData(code, 4);
        s << quint32(8 + png.size());
        s.writeRawData(png.constData(), static_cast<int>(png.size()));
    }
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::BigEndian);
    s.writeRawData("icns", 4);
    s << quint32(8 + entries.size());
    s.writeRawData(entries.constData(), static_cast<int>(entries.size()));
    return out;
}
