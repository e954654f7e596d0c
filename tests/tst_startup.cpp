// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The start options a user may give: the platform and display, the widget style and a
// style sheet.
#include "app/mainwindow.h"
#include "app/picturebutton.h"
#include "app/programstyle.h"
#include "app/startup.h"
#include "app/colourscheme.h"
#include "app/xsettings.h"
#include "ui/palette.h"
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

// An XSETTINGS property in the byte order `bigEndian` names, holding `settings`: each its
// type (0 integer, 1 string of `value` bytes, 2 colour), name and value.
QByteArray xsettingsData(bool bigEndian, const QList<std::tuple<int, QByteArray, int>> &settings)
{
    QByteArray data(1, char(bigEndian));
    const auto card = [&](qsizetype value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            data += char(value >> 8 * (bigEndian ? bytes - 1 - i : i));
    };
    const auto align = [&] { data += QByteArray((4 - data.size() % 4) % 4, '\0'); };
    card(0, 7); // unused, then the serial
    card(settings.size(), 4);
    for (const auto &[type, name, value] : settings) {
        card(type, 1);
        card(0, 1);
        card(name.size(), 2);
        data += name;
        align();
        card(0, 4);                          // serial of the last change
        card(type == 2 ? 0 : value, 4);      // the integer, the string's length, red and green
        data += QByteArray(type == 1 ? value : type * 2, 'x'); // the string, blue and alpha
        align();
    }
    return data;
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
    void desktopScale_data();
    void desktopScale();
    void colourScheme();
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
    QTest::newRow("Wayland with XWayland prefers Wayland") << L{} << L{"DISPLAY=:0", "WAYLAND_DISPLAY=wayland-0"} << "wayland;xcb" << true << "";
    QTest::newRow("Wayland only") << L{} << L{"WAYLAND_DISPLAY=wayland-0"} << "wayland" << true << "";
    QTest::newRow("neither: no display to open") << L{} << L{} << "" << false << "";
    QTest::newRow("-display names an X display") << L{"-display", ":5"} << L{} << "xcb" << true << "-display :5";
    QTest::newRow("--display too, in a Wayland session") << L{"--display", ":5"} << L{"WAYLAND_DISPLAY=wayland-0"} << "xcb" << true << "--display :5";
    QTest::newRow("-display=VALUE is read as two words") << L{"-display=:5"} << L{} << "xcb" << true << "-display :5";
    QTest::newRow("-display without a display names none") << L{"-display"} << L{} << "" << false << "-display";
    QTest::newRow("-platform is Qt's to read") << L{"-platform", "offscreen"} << L{} << "" << true << "-platform offscreen";
    QTest::newRow("-platform=VALUE is read as two words") << L{"-platform=offscreen"} << L{} << "" << true << "-platform offscreen";
    QTest::newRow("--platform=VALUE too") << L{"--platform=offscreen"} << L{"DISPLAY=:0"} << "" << true << "--platform offscreen";
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

void TestStartup::desktopScale_data()
{
    // The settings a desktop publishes, then the scale the program adds to Qt's (0: none).
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<double>("scale");
    const QByteArray factor = "Gdk/WindowScalingFactor", dpi = "Xft/DPI";
    const QByteArray xfce = xsettingsData(false, {{1, "Net/ThemeName", 8}, {2, "Gtk/Colour", 0},
                                                  {0, factor, 2}, {0, dpi, 96 * 1024}});
    // clang-format off
    QTest::newRow("Xfce at 2x: DPI 96, factor 2") << xfce << 2.0;
    QTest::newRow("the same, most significant byte first") << xsettingsData(true, {{1, "Net/ThemeName", 8}, {0, factor, 2}}) << 2.0;
    QTest::newRow("GNOME at 2x: the DPI doubled too") << xsettingsData(false, {{0, factor, 2}, {0, dpi, 192 * 1024}}) << 0.0;
    QTest::newRow("factor 2 over 120 dpi") << xsettingsData(false, {{0, dpi, 120 * 1024}, {0, factor, 2}}) << 1.6;
    QTest::newRow("factor 1") << xsettingsData(false, {{0, factor, 1}}) << 0.0;
    QTest::newRow("no factor") << xsettingsData(false, {{0, dpi, 96 * 1024}}) << 0.0;
    QTest::newRow("no settings") << QByteArray() << 0.0;
    QTest::newRow("broken off inside the factor") << xfce.left(xfce.indexOf(factor) + 10) << 0.0;
    QTest::newRow("a string longer than the data") << xsettingsData(false, {{1, "Net/ThemeName", 1000}, {0, factor, 2}}).left(60) << 0.0;
    // clang-format on
}

void TestStartup::desktopScale()
{
    QFETCH(QByteArray, data);
    QFETCH(double, scale);
    const std::optional<double> extra =
        xsettings::extraScale(xsettings::integers(std::string_view(data.data(), data.size())));
    QCOMPARE(extra.value_or(0), scale);
}

void TestStartup::colourScheme()
{
    // Dark only where the desktop asks for dark, as the portal or GNOME's setting words it,
    // and the theme's palette is light; a dark palette readable at WCAG's body-text contrast.
    using namespace colourscheme;
    QPalette dark(Qt::white, Qt::black, Qt::gray, Qt::black, Qt::gray, Qt::white, Qt::black);
    const QPalette light;
    for (const auto &[preference, theme, darkened] :
         {std::tuple{fromPortal(1), light, true}, {fromPortal(2), light, false},
          {fromPortal(7), light, false}, {fromGnome("'prefer-dark'\n"), light, true},
          {fromGnome("'default'\n"), light, false}, {fromPortal(1), dark, false}})
        QCOMPARE(paletteFor(preference, theme), darkened ? darkPalette() : theme);
    for (const auto &[text, ground] : {std::pair{QPalette::WindowText, QPalette::Window},
                                       {QPalette::Text, QPalette::Base},
                                       {QPalette::ButtonText, QPalette::Button}})
        QVERIFY(contrast(darkPalette().color(text), darkPalette().color(ground)) >= 4.5);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
