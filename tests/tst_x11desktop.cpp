// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The program under a real window manager (tests/desktop/session.sh starts a desktop on a
// virtual X screen): drawn at the desktop's scale and in its colour scheme, windows placed
// with the frame the window manager draws, dragged by their title bar, raised and activated
// where they stand by the buttons that open them, About an independent window without a
// task-bar entry, the program started with Qt's display and style sheet options, and the
// window icon as the X server holds it. Every click and drag goes through the X server, as a
// user's does.
#include "about/aboutdialog.h"
#include "about/placement.h"
#include "app/mainwindow.h"
#include "support/desktopsession.h"
#include "support/widgettest.h"
#include "ui/assets.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

namespace {

// What an X tool prints; empty when it fails.
QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// Device pixels on the screen, as the X server counts them.
QPoint native(QPoint logical, const QScreen *screen)
{
    return {qRound(logical.x() * screen->devicePixelRatio()),
            qRound(logical.y() * screen->devicePixelRatio())};
}

// The window's frame as the window manager drew it, in device pixels.
QRect frameOf(const QWidget *window)
{
    const QPlatformWindow *platform = window->windowHandle()->handle();
    return platform->geometry().marginsAdded(platform->frameMargins());
}

// Moves the pointer to `at` (device pixels) through the X server, on the screen or within
// `window` where the X server has it, with button 1 `pressed` or released on arrival, or
// neither.
void pointer(QPoint at, const QString &button = QString(), const QWidget *window = nullptr)
{
    QStringList arguments{"mousemove"};
    if (window)
        arguments << "--window" << QString::number(window->winId());
    arguments << QString::number(at.x()) << QString::number(at.y());
    if (!button.isEmpty())
        arguments << button << "1";
    run(QStringLiteral("xdotool"), arguments);
    QTest::qWait(30);
}

// A click on `control` with the real pointer. Placed within its window, since the window
// manager may have framed and moved a new window before Qt hears where it went.
void click(QWidget *control)
{
    const QWidget *window = control->window();
    pointer(native(control->mapTo(window, control->rect().center()), control->screen()), "click",
            window);
}

// Drags `window` by its title bar by `by` device pixels, in small steps, as a user does.
void drag(const QWidget *window, QPoint by)
{
    const QRect frame = frameOf(window);
    const QMargins margins = window->windowHandle()->handle()->frameMargins();
    QPoint at(frame.center().x() - 40, frame.top() + margins.top() / 2);
    pointer(at, "mousedown");
    constexpr int steps = 10;
    for (int i = 1; i <= steps; ++i)
        pointer(at + by * i / steps);
    pointer(at + by, "mouseup");
    QTest::qWait(300);
}

// The program's windows from the bottom of the stack to its top, by X window id.
QList<WId> stacking()
{
    QList<WId> ids;
    const QByteArray listed =
        run(QStringLiteral("xprop"), {"-root", "-notype", "_NET_CLIENT_LIST_STACKING"});
    static const QRegularExpression id(QStringLiteral("0x[0-9a-f]+"));
    for (const QRegularExpressionMatch &m : id.globalMatch(QString::fromLatin1(listed)))
        ids << m.captured().toULong(nullptr, 16);
    return ids;
}

bool isAbove(const QWidget *upper, const QWidget *lower)
{
    const QList<WId> ids = stacking();
    return ids.indexOf(upper->winId()) > ids.indexOf(lower->winId());
}

// Where the About window's frame belongs: its client area at the fixed place, or the least
// move from there that brings the frame wholly onto the screen.
QRect expectedAboutFrame(const QWidget *about)
{
    const QPlatformWindow *platform = about->windowHandle()->handle();
    const QRect fixed(native(AboutDialog::screenPosition, about->screen()),
                      platform->geometry().size());
    return placedWithin(fixed.marginsAdded(platform->frameMargins()),
                        about->screen()->handle()->availableGeometry());
}

} // namespace

class TestX11Desktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { closeWindowsBut(nullptr); }

    void drawnAtDesktopScale();
    void followsColourScheme() { session::checkColourScheme(); }
    void aboutWhollyOnScreen();
    void aboutMovesAsDragged();
    void buttonRaisesAndActivates_data();
    void buttonRaisesAndActivates();
    void startOptions_data();
    void startOptions();
    void windowIconSizes();

private:
    // A shown main window and the About window it opened, once framed.
    AboutDialog *openAbout(MainWindow &main);

    dice::MersenneSource m_source;
};

void TestX11Desktop::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
             qPrintable(QGuiApplication::platformName()));
    setUpProgram();
}

AboutDialog *TestX11Desktop::openAbout(MainWindow &main)
{
    // A window manager may leave a new window inactive; the real click reaches it anyway.
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) {
        qWarning("main window not shown");
        return nullptr;
    }
    click(child<QPushButton>(main, openerOf("About")));
    AboutDialog *about = nullptr;
    const bool framed = QTest::qWaitFor([&] {
        about = shownWindow<AboutDialog>("About");
        return about && !about->windowHandle()->handle()->frameMargins().isNull();
    });
    if (!framed)
        qWarning("no framed About window: %p", (void *)about);
    return framed ? about : nullptr;
}

void TestX11Desktop::drawnAtDesktopScale()
{
    MainWindow main(m_source);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(main.devicePixelRatio(), session::scale());
}

void TestX11Desktop::aboutWhollyOnScreen()
{
    // At the fixed place where that leaves the whole frame on the screen; moved the least
    // distance, to end exactly at the screen's edge, where it does not. An independent
    // window, transient for none, with no task-bar entry of its own.
    MainWindow main(m_source);
    AboutDialog *about = openAbout(main);
    QVERIFY(about);
    QTRY_COMPARE(frameOf(about), expectedAboutFrame(about));
    QVERIFY(about->screen()->handle()->availableGeometry().contains(frameOf(about)));
    const QString id = QString::number(about->winId());
    QVERIFY(run(QStringLiteral("xprop"), {"-id", id, "_NET_WM_STATE"})
                .contains("_NET_WM_STATE_SKIP_TASKBAR"));
    QVERIFY(!run(QStringLiteral("xprop"), {"-id", id, "WM_TRANSIENT_FOR"}).contains("window id"));
}

void TestX11Desktop::aboutMovesAsDragged()
{
    // The fixed place holds as the window opens; from then on it stays where the user
    // drags it, the first drag as every other, whatever covers it.
    MainWindow main(m_source);
    AboutDialog *about = openAbout(main);
    QVERIFY(about);
    QTRY_COMPARE(frameOf(about), expectedAboutFrame(about));
    for (const QPoint by : {QPoint(-40, -30), QPoint(-20, -10)}) {
        const QRect before = frameOf(about);
        drag(about, by);
        QTRY_COMPARE(frameOf(about), before.translated(by));
        QTest::qWait(300);
        QCOMPARE(frameOf(about), before.translated(by));
    }
    // Covered by another window and uncovered again, it stays where it was dragged.
    const QRect dragged = frameOf(about);
    QWidget cover;
    cover.setGeometry(about->screen()->availableGeometry());
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    cover.close();
    QTest::qWait(300);
    QCOMPARE(frameOf(about), dragged);
}

void TestX11Desktop::buttonRaisesAndActivates_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("Character Stat Roller") << "CharStat";
    QTest::newRow("Multiple Dice Roller") << "ADDice";
    QTest::newRow("About") << "About";
}

void TestX11Desktop::buttonRaisesAndActivates()
{
    // A window opens active; once the main window is clicked to the front, covering it, the
    // window's button brings it back above the main window where it stands, with the keyboard
    // focus.
    QFETCH(QString, window);
    const char *button = openerOf(window);
    MainWindow main(m_source);
    main.move(0, 0);
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    click(child<QPushButton>(main, button));
    QWidget *opened = nullptr;
    QTRY_VERIFY((opened = shownWindow(qPrintable(window))));
    QTRY_COMPARE(QApplication::activeWindow(), opened);
    // Below the main window, at the top of the screen, where the window manager may have
    // opened it over the main window's buttons.
    opened->move(main.frameGeometry().bottomLeft() + QPoint(0, 40));
    QTest::qWait(200);

    click(child<QPushButton>(main, "RA"));
    QTRY_COMPARE(QApplication::activeWindow(), &main);
    QTRY_VERIFY(isAbove(&main, opened));

    const QRect place = frameOf(opened);
    click(child<QPushButton>(main, button));
    QTRY_COMPARE(QApplication::activeWindow(), opened);
    QTRY_VERIFY(isAbove(opened, &main));
    QCOMPARE(frameOf(opened), place);
}

void TestX11Desktop::startOptions_data()
{
    // The program started with a Qt option; then a point of its main window and the colour
    // it shows there, a second after the window shows.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("withDisplay"); // DISPLAY stays set
    QTest::addColumn<QString>("colour");   // empty: any
    const QString sheet = QStringLiteral("stylesheet.qss");
    QTest::newRow("-display, with DISPLAY unset")
        << QStringList{"-display", qEnvironmentVariable("DISPLAY")} << false << "";
    QTest::newRow("-display=, with DISPLAY unset")
        << QStringList{"-display=" + qEnvironmentVariable("DISPLAY")} << false << "";
    QTest::newRow("-stylesheet: the user's sheet stays")
        << QStringList{"-stylesheet", sheet} << true << "#00ff00";
}

void TestX11Desktop::startOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, withDisplay);
    QFETCH(QString, colour);
    QTemporaryDir dir;
    QFile sheet(dir.filePath(QStringLiteral("stylesheet.qss")));
    QVERIFY(sheet.open(QIODevice::WriteOnly));
    sheet.write("QWidget#Main { background: #00ff00; }");
    sheet.close();
    QProcess program;
    program.setWorkingDirectory(dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!withDisplay)
        environment.remove(QStringLiteral("DISPLAY"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUANDREL_PROGRAM), arguments);
    QVERIFY(program.waitForStarted());
    QByteArray id;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(id = run(QStringLiteral("xdotool"),
                   {"search", "--onlyvisible", "--pid", QString::number(program.processId()),
                    "--name", "^Quandrel$"})
                   .trimmed())
             .isEmpty(),
        10000);
    if (!colour.isEmpty()) {
        QTest::qWait(1000);
        const QImage shown =
            QGuiApplication::primaryScreen()->grabWindow(WId(id.toULong())).toImage();
        QCOMPARE(QColor(shown.pixel(2, 2)), QColor(colour));
    }
    program.terminate();
    QVERIFY(program.waitForFinished(5000));
}

void TestX11Desktop::windowIconSizes()
{
    // The window icon as the X server holds it for the window manager and task bar: every
    // size, each the program icon's own pixels at that size.
    MainWindow main(m_source);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QList<quint32> values;
    QTRY_VERIFY([&] {
        values.clear();
        const QByteArray listed =
            run(QStringLiteral("xprop"),
                {"-id", QString::number(main.winId()), "-notype", "32c", "_NET_WM_ICON"});
        static const QRegularExpression number(QStringLiteral("\\b[0-9]+\\b"));
        for (const QRegularExpressionMatch &m :
             number.globalMatch(QString::fromLatin1(listed).section('=', 1)))
            values << m.captured().toUInt();
        return !values.isEmpty();
    }());
    QList<int> sizes;
    for (qsizetype at = 0; at + 2 <= values.size();) {
        const int width = int(values[at]), height = int(values[at + 1]);
        at += 2;
        QCOMPARE(width, height);
        QVERIFY(at + width * height <= values.size());
        QImage image(width, height, QImage::Format_ARGB32);
        for (int i = 0; i < width * height; ++i)
            image.setPixel(i % width, i / width, values[at + i]);
        at += width * height;
        QCOMPARE(image, assets::programIcon().pixmap(width).toImage().convertToFormat(
                            QImage::Format_ARGB32));
        sizes << width;
    }
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, (QList<int>{16, 24, 32, 48, 64, 128}));
}

int main(int argc, char *argv[])
{
    // The desktop's scale, read before the application exists, as the program does.
    readStartOptions(argc, argv);
    QApplication app(argc, argv);
    TestX11Desktop test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_x11desktop.moc"
