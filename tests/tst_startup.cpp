// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "startup.h"

#include <QTest>

#include <vector>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void platform_data();
    void platform();
    void namedStyle_data();
    void namedStyle();
};

void TestStartup::platform_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("platform"); // empty: no display to open
    QTest::newRow("X only") << ":0"
                            << ""
                            << "xcb";
    QTest::newRow("Wayland with XWayland prefers X") << ":0"
                                                     << "wayland-0"
                                                     << "xcb;wayland";
    QTest::newRow("Wayland only") << ""
                                  << "wayland-0"
                                  << "wayland";
    QTest::newRow("neither") << ""
                             << ""
                             << "";
}

void TestStartup::platform()
{
    QFETCH(QString, display);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, platform);
    const std::optional<std::string> chosen =
        defaultPlatform(qPrintable(display), qPrintable(waylandDisplay));
    QCOMPARE(QString::fromStdString(chosen.value_or("")), platform);
}

void TestStartup::namedStyle_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("named");
    QTest::newRow("no arguments") << QStringList{} << false;
    QTest::newRow("-style NAME") << QStringList{"-style", "windows"} << true;
    QTest::newRow("-style=NAME") << QStringList{"-style=windows"} << true;
    QTest::newRow("--style NAME") << QStringList{"--style", "windows"} << true;
    QTest::newRow("another option") << QStringList{"-stylesheet", "a.qss"} << false;
    QTest::newRow("a plain word") << QStringList{"style"} << false;
}

void TestStartup::namedStyle()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, named);
    qunsetenv("QT_STYLE_OVERRIDE");
    qputenv("QT_QPA_PLATFORM", "offscreen"); // named, so the platform is left alone
    std::vector<QByteArray> storage{"quandrel"};
    for (const QString &a : arguments)
        storage.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : storage)
        argv.push_back(a.data());
    const std::optional<StartOptions> options = readStartOptions(int(argv.size()), argv.data());
    QVERIFY(options);
    QCOMPARE(options->styleNamed, named);
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("offscreen"));
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
