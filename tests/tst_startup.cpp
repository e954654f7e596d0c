// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/programstyle.h"
#include "app/startup.h"

#include <QApplication>
#include <QStyle>
#include <QTest>

#include <vector>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void platform_data();
    void platform();
    void styleChoice_data();
    void styleChoice();
};

void TestStartup::platform_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("platform"); // empty: no display to open
    // clang-format off
    QTest::newRow("X only") << ":0" << "" << "xcb";
    QTest::newRow("Wayland with XWayland prefers X") << ":0" << "wayland-0" << "xcb;wayland";
    QTest::newRow("Wayland only") << "" << "wayland-0" << "wayland";
    QTest::newRow("neither") << "" << "" << "";
    // clang-format on
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

void TestStartup::styleChoice_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("override"); // QT_STYLE_OVERRIDE
    QTest::addColumn<bool>("named");          // the user named a style, which stays
    // clang-format off
    QTest::newRow("no style named: the program's") << QStringList{} << QByteArray() << false;
    QTest::newRow("-style NAME") << QStringList{"-style", "windows"} << QByteArray() << true;
    QTest::newRow("-style=NAME") << QStringList{"-style=windows"} << QByteArray() << true;
    QTest::newRow("--style NAME") << QStringList{"--style", "windows"} << QByteArray() << true;
    QTest::newRow("QT_STYLE_OVERRIDE") << QStringList{} << QByteArray("windows") << true;
    QTest::newRow("another option") << QStringList{"-stylesheet", "a.qss"} << QByteArray() << false;
    QTest::newRow("a plain word") << QStringList{"style"} << QByteArray() << false;
    // clang-format on
}

void TestStartup::styleChoice()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, override);
    QFETCH(bool, named);
    if (override.isEmpty())
        qunsetenv("QT_STYLE_OVERRIDE");
    else
        qputenv("QT_STYLE_OVERRIDE", override);
    qputenv("QT_QPA_PLATFORM", "offscreen"); // named, so the platform is left alone
    std::vector<QByteArray> storage{"quandrel"};
    for (const QString &a : arguments)
        storage.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : storage)
        argv.push_back(a.data());
    const std::optional<StartOptions> options = readStartOptions(int(argv.size()), argv.data());
    QVERIFY(options);
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("offscreen"));

    // The style the application starts with: the one the user named, or a desktop's own
    // (on the offscreen platform Qt would start with Fusion, which the program sets too).
    static int argc = 1;
    static char name[] = "quandrel";
    static char *args[] = {name, nullptr};
    static QApplication app(argc, args);
    QApplication::setStyle(QStringLiteral("windows"));
    setUpProgram(*options);
    if (named)
        QCOMPARE(QApplication::style()->name(), QStringLiteral("windows"));
    else
        QVERIFY(qobject_cast<ProgramStyle *>(QApplication::style()));
    qunsetenv("QT_STYLE_OVERRIDE");
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
