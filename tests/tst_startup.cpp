// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The start options a user may give: the platform and display, the widget style and a
// style sheet.
#include "app/mainwindow.h"
#include "app/picturebutton.h"
#include "app/programstyle.h"
#include "app/startup.h"
#include "dice/source.h"

#include <QApplication>
#include <QFontInfo>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <vector>

namespace {

// Reads `arguments` after the program's name as start-up does, with the environment
// variables in `environment` set ("NAME=VALUE") and the platform's others unset.
std::optional<StartOptions> readWith(const QStringList &arguments, const QStringList &environment)
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_STYLE_OVERRIDE"})
        qunsetenv(name);
    for (const QString &variable : environment)
        qputenv(qPrintable(variable.section('=', 0, 0)), variable.section('=', 1).toLocal8Bit());
    std::vector<QByteArray> storage{"quandrel"};
    for (const QString &a : arguments)
        storage.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : storage)
        argv.push_back(a.data());
    return readStartOptions(int(argv.size()), argv.data());
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void platform_data();
    void platform();
    void styleChoice_data();
    void styleChoice();
    void userStyleSheetSurvives();
};

void TestStartup::platform_data()
{
    // The command line and the environment; then the platform start-up chooses (empty:
    // none, which leaves it to Qt), whether it opens at all, and the command line Qt reads.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("forQt");
    using L = QStringList;
    // clang-format off
    QTest::newRow("X only") << L{} << L{"DISPLAY=:0"} << "xcb" << true << "";
    QTest::newRow("Wayland with XWayland prefers X") << L{} << L{"DISPLAY=:0", "WAYLAND_DISPLAY=wayland-0"} << "xcb;wayland" << true << "";
    QTest::newRow("Wayland only") << L{} << L{"WAYLAND_DISPLAY=wayland-0"} << "wayland" << true << "";
    QTest::newRow("neither: no display to open") << L{} << L{} << "" << false << "";
    QTest::newRow("-display names an X display") << L{"-display", ":5"} << L{} << "xcb" << true << "-display :5";
    QTest::newRow("--display too") << L{"--display", ":5"} << L{"WAYLAND_DISPLAY=wayland-0"} << "xcb;wayland" << true << "--display :5";
    QTest::newRow("-display=VALUE is read as two words") << L{"-display=:5"} << L{} << "xcb" << true << "-display :5";
    QTest::newRow("-display without a display names none") << L{"-display"} << L{} << "" << false << "-display";
    QTest::newRow("-platform is Qt's to read") << L{"-platform", "offscreen"} << L{} << "" << true << "-platform offscreen";
    QTest::newRow("-platform=VALUE is read as two words") << L{"-platform=offscreen"} << L{} << "" << true << "-platform offscreen";
    QTest::newRow("QT_QPA_PLATFORM stays") << L{} << L{"QT_QPA_PLATFORM=offscreen", "DISPLAY=:0"} << "offscreen" << true << "";
    QTest::newRow("other options pass as they are") << L{"-style=windows", "-stylesheet", "a.qss"} << L{"DISPLAY=:0"} << "xcb" << true << "-style=windows -stylesheet a.qss";
    // clang-format on
}

void TestStartup::platform()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QString, platform);
    QFETCH(bool, opens);
    QFETCH(QString, forQt);
    const std::optional<StartOptions> options = readWith(arguments, environment);
    QCOMPARE(options.has_value(), opens);
    QCOMPARE(qEnvironmentVariable("QT_QPA_PLATFORM"), platform);
    if (options) {
        QStringList read;
        for (const std::string &a : options->arguments)
            read << QString::fromStdString(a);
        QCOMPARE(read.mid(1).join(' '), forQt);
    }
}

void TestStartup::styleChoice_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<bool>("named"); // the user named a style, which stays
    using L = QStringList;
    // clang-format off
    QTest::newRow("no style named: the program's") << L{} << L{} << false;
    QTest::newRow("-style NAME") << L{"-style", "windows"} << L{} << true;
    QTest::newRow("-style=NAME") << L{"-style=windows"} << L{} << true;
    QTest::newRow("--style NAME") << L{"--style", "windows"} << L{} << true;
    QTest::newRow("QT_STYLE_OVERRIDE") << L{} << L{"QT_STYLE_OVERRIDE=windows"} << true;
    QTest::newRow("another option") << L{"-stylesheet", "a.qss"} << L{} << false;
    QTest::newRow("a plain word") << L{"style"} << L{} << false;
    QTest::newRow("-style without a name") << L{"-style"} << L{} << false;
    // clang-format on
}

void TestStartup::styleChoice()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(bool, named);
    const std::optional<StartOptions> options =
        readWith(arguments, environment << "QT_QPA_PLATFORM=offscreen");
    QVERIFY(options);
    // The style the application starts with: the one the user named, or a desktop's own
    // (on the offscreen platform Qt would start with Fusion, which the program sets too).
    QApplication::setStyle(QStringLiteral("windows"));
    setUpProgram(*options);
    if (named)
        QCOMPARE(QApplication::style()->name(), QStringLiteral("windows"));
    else
        QVERIFY(qobject_cast<ProgramStyle *>(QApplication::style()));
    qunsetenv("QT_STYLE_OVERRIDE");
}

void TestStartup::userStyleSheetSurvives()
{
    // A style sheet the user names (-stylesheet) is set as the application starts; it stays
    // once the windows show, while one a desktop sets later goes, and with it its fonts.
    const QString named = QStringLiteral("QPushButton { color: #0000ff; }");
    qApp->setStyleSheet(named);
    setUpProgram();
    dice::MersenneSource source;
    MainWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    QCOMPARE(qApp->styleSheet(), named);
    qApp->setStyleSheet(QStringLiteral("QPushButton { font: 24pt serif; }"));
    QTRY_COMPARE(qApp->styleSheet(), named);
    const QFont die = window.dieButton(0)->font();
    QCOMPARE(die.pointSizeF(), 13.5);
    QCOMPARE(QFontInfo(die).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(window.dieButton(0)->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
