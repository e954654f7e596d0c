// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "ui/assets.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

const QString assetsDir = QStringLiteral(QUANDREL_ASSETS_DIR);

quint32 le32(const QByteArray &d, int at)
{
    quint32 v;
    std::memcpy(&v, d.constData() + at, 4);
    return qFromLittleEndian(v);
}

quint16 le16(const QByteArray &d, int at)
{
    quint16 v;
    std::memcpy(&v, d.constData() + at, 2);
    return qFromLittleEndian(v);
}

int distance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void icons_data();
    void icons();
    void desktopIcons_data();
    void desktopIcons();
    void iconContainers();
};

void TestAssets::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("background");
    const QColor beige(233, 223, 200);
    QTest::newRow("four-sided") << "d4" << QSize(66, 57) << beige;
    QTest::newRow("six-sided") << "d6" << QSize(58, 66) << beige;
    QTest::newRow("eight-sided") << "d8" << QSize(66, 79) << beige;
    QTest::newRow("ten-sided") << "d10" << QSize(64, 64) << beige;
    QTest::newRow("twelve-sided") << "d12" << QSize(66, 65) << beige;
    QTest::newRow("twenty-sided") << "d20" << QSize(72, 73) << beige;
    QTest::newRow("percentile tens") << "d10tens" << QSize(66, 71) << beige;
    QTest::newRow("hundred-sided, grey") << "d100" << QSize(76, 75) << QColor(214, 214, 212);
}

void TestAssets::pictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QColor, background);

    for (int scale : {1, 2}) {
        const QString path = assetsDir + "/" + name + (scale == 2 ? "@2x" : "") + ".bmp";
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray data = file.readAll();
        // The file header: a device-independent bitmap, 24 bits per pixel, uncompressed.
        QCOMPARE(data.left(2), QByteArray("BM"));
        QCOMPARE(int(le32(data, 18)), size.width() * scale);
        QCOMPARE(int(le32(data, 22)), size.height() * scale);
        QCOMPARE(le16(data, 28), quint16(24));
        QCOMPARE(le32(data, 30), 0u);

        const QImage image(path);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size * scale);
        // Not blank: many colours, and a die in the middle that differs from the corners.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 300, qPrintable(QString::number(colours.size())));
        const QRect middle(image.width() / 3, image.height() / 3, image.width() / 3,
                           image.height() / 3);
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
              QPoint(image.width() - 1, image.height() - 1)}) {
            QVERIFY(distance(image.pixel(corner), background.rgb()) <= 9);
            // Most of the middle third is die, not backdrop.
            int unlike = 0;
            for (int y = middle.top(); y <= middle.bottom(); ++y)
                for (int x = middle.left(); x <= middle.right(); ++x)
                    unlike += distance(image.pixel(x, y), image.pixel(corner)) > 30;
            QVERIFY2(unlike * 2 > middle.width() * middle.height(),
                     qPrintable(QString::number(unlike)));
        }
    }
    // And the program finds it among its resources, at its own size.
    QCOMPARE(assets::diePicture(name, 1.0).size(), size);
    QCOMPARE(assets::diePicture(name, 2.0).deviceIndependentSize().toSize(), size);
}

void TestAssets::icons_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("program icon") << "quandrel.ico";
    QTest::newRow("outlined die icon") << "quandrel-outline.ico";
}

void TestAssets::icons()
{
    QFETCH(QString, file);
    QFile f(assetsDir + "/" + file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    QCOMPARE(le16(data, 2), quint16(1)); // an icon
    QCOMPARE(le16(data, 4), quint16(1)); // one entry
    QCOMPARE(quint8(data[6]), quint8(32));
    QCOMPARE(quint8(data[7]), quint8(32));
    QCOMPARE(le16(data, 12), quint16(8)); // 8 bits per pixel
    const int at = int(le32(data, 18));
    QCOMPARE(int(le32(data, at + 8)), 64); // XOR and AND images
    QCOMPARE(le16(data, at + 14), quint16(8));
    const int maskAt = at + 40 + 256 * 4 + 32 * 32;
    QCOMPARE(data.size(), maskAt + 32 * 4);
    // The mask has both transparent and opaque pixels.
    const QByteArray mask = data.mid(maskAt);
    QVERIFY(mask.count(char(0xff)) > 0 && mask.count(char(0x00)) > 0);

    const QImage image(assetsDir + "/" + file);
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(31, 0)), 0);
}

void TestAssets::desktopIcons_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("drawing"); // empty: the design's own pixels
    QTest::addColumn<int>("likeness");    // the most the size may differ from the design
    QTest::newRow("16, drawn on its grid") << 16 << "quandrel-16.svg" << 20;
    QTest::newRow("24, drawn on its grid") << 24 << "quandrel-24.svg" << 20;
    QTest::newRow("32, the design's") << 32 << "" << 0;
    for (int size : {48, 64, 128, 256})
        QTest::addRow("%d", size) << size << "quandrel.svg" << 6;
}

void TestAssets::desktopIcons()
{
    // Each size is its drawing rendered, shows the design's die, and sits centred with a
    // margin; the window icon is the same picture.
    QFETCH(int, size);
    QFETCH(QString, drawing);
    QFETCH(int, likeness);
    const QImage design =
        QImage(assetsDir + "/quandrel.ico").convertToFormat(QImage::Format_ARGB32);
    QImage expected = design;
    if (!drawing.isEmpty()) {
        QTemporaryDir dir;
        const QString rendered = dir.filePath(QStringLiteral("icon.png"));
        QProcess rsvg;
        rsvg.start(QStringLiteral("rsvg-convert"),
                   {"-w", QString::number(size), "-h", QString::number(size), "-o", rendered,
                    assetsDir + "/icons/" + drawing});
        QVERIFY2(rsvg.waitForFinished() && rsvg.exitCode() == 0, qPrintable(rsvg.errorString()));
        expected = QImage(rendered).convertToFormat(QImage::Format_ARGB32);
    }
    const QImage image = QImage(assetsDir + QStringLiteral("/icons/quandrel-%1.png").arg(size))
                             .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image, expected);
    if (size <= 128) { // the window icon's sizes
        constexpr auto format = QImage::Format_ARGB32_Premultiplied;
        QCOMPARE(assets::programIcon().pixmap(size).toImage().convertToFormat(format),
                 image.convertToFormat(format));
    }

    // One drawing at every size: shrunk to 16 pixels over grey, within `likeness` levels a
    // channel, on average, of the design shrunk alike.
    const auto shrunk = [](const QImage &icon) {
        QImage flat(icon.size(), QImage::Format_RGB32);
        flat.fill(Qt::gray);
        QPainter(&flat).drawImage(0, 0, icon);
        return flat.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage small = shrunk(image), designSmall = shrunk(design);
    double difference = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            difference += distance(small.pixel(x, y), designSmall.pixel(x, y)) / 3.0;
    difference /= 16 * 16;
    QVERIFY2(difference <= likeness, qPrintable(QString::number(difference)));

    QRect drawn;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(image.pixel(x, y)) > 32)
                drawn |= QRect(x, y, 1, 1);
    const QPoint offCentre = drawn.center() - image.rect().center();
    QVERIFY2(qAbs(offCentre.x()) <= size / 32 + 1 && qAbs(offCentre.y()) <= size / 32 + 1,
             qPrintable(QStringLiteral("drawn in %1,%2 %3x%4")
                            .arg(drawn.x())
                            .arg(drawn.y())
                            .arg(drawn.width())
                            .arg(drawn.height())));
}

void TestAssets::iconContainers()
{
    // As a consumer reads them: the scalable drawing, rendered at the size it declares, is
    // 128 pixels square; every entry of the macOS icon is a PNG of the size its type names,
    // holding the desktop icon of that size, and every desktop size the format has is there.
    QTemporaryDir dir;
    const QString rendered = dir.filePath(QStringLiteral("declared.png"));
    QProcess rsvg;
    rsvg.start(QStringLiteral("rsvg-convert"),
               {"-o", rendered, assetsDir + QStringLiteral("/icons/quandrel.svg")});
    QVERIFY(rsvg.waitForFinished() && rsvg.exitCode() == 0);
    QCOMPARE(QImage(rendered).size(), QSize(128, 128));

    QFile file(assetsDir + QStringLiteral("/quandrel.icns"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const auto be32 = [&](qsizetype at) {
        return qFromBigEndian<quint32>(reinterpret_cast<const uchar *>(data.constData() + at));
    };
    QCOMPARE(data.left(4), QByteArray("icns"));
    QCOMPARE(qsizetype(be32(4)), data.size());
    const QHash<QByteArray, int> sizes = {
        {"icp4", 16}, {"icp5", 32}, {"icp6", 64}, {"ic07", 128}, {"ic08", 256}};
    QList<int> found;
    for (qsizetype at = 8; at < data.size(); at += be32(at + 4)) {
        const QByteArray type = data.mid(at, 4);
        QVERIFY2(sizes.contains(type), type.constData());
        const QImage image = QImage::fromData(data.mid(at + 8, be32(at + 4) - 8), "PNG");
        QCOMPARE(image.size(), QSize(sizes[type], sizes[type]));
        const QImage desktop(assetsDir + QStringLiteral("/icons/quandrel-%1.png").arg(sizes[type]));
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
                 desktop.convertToFormat(QImage::Format_ARGB32));
        found << sizes[type];
    }
    std::sort(found.begin(), found.end());
    QCOMPARE(found, (QList<int>{16, 32, 64, 128, 256}));
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
