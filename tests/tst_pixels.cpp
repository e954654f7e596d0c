// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Renders every window, as it first opens and after a scripted roll, on a light and on a
// dark palette, and compares each rendering with a reviewed reference image in
// tests/pixels/. Run once per scale factor (QT_SCALE_FACTOR); the references are named after
// the window, state, palette and scale.
//
// On a mismatch the rendering and a difference image are written next to the build and
// their paths printed. QUANDREL_UPDATE_PIXELS=1 writes the renderings as new references.
#include "about/aboutdialog.h"
#include "app/mainwindow.h"
#include "multiroller/multirollerwindow.h"
#include "statroller/statrollerwindow.h"
#include "support/scriptedsource.h"
#include "support/widgettest.h"
#include "ui/fonts.h"
#include "ui/palette.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

// Largest difference in any colour channel that still counts as the same pixel.
constexpr int tolerance = 4;

enum class Shown
{
    Main,
    StatRoller,
    MultiRoller,
    About
};

// The desktop colour schemes the windows are rendered in.
enum class Scheme
{
    Light,        // Qt's own
    Dark,         // the active colours of qt6ct's "darker"
    HighContrast, // white and yellow on black
};

// The palette of `scheme`, or of the application where Qt's own is wanted.
QPalette palette(Scheme scheme, const QPalette &light)
{
    // By QPalette::ColorRole.
    static const char *const dark[] = {
        "#ffffff", "#424245", "#979797", "#5e5c5b", "#302f2e", "#4a4947", "#ffffff",
        "#ffffff", "#ffffff", "#3d3d3d", "#222020", "#e7e4e0", "#12608a", "#f9f9f9",
        "#0986d3", "#a70b06", "#5c5b5a", "#ffffff", "#3f3f36", "#ffffff", "#80ffffff"};
    static const char *const highContrast[] = {
        "#ffffff", "#000000", "#ffffff", "#c0c0c0", "#808080", "#a0a0a0", "#ffffff",
        "#ffff00", "#ffffff", "#000000", "#000000", "#ffffff", "#ffff00", "#000000",
        "#ffff00", "#ffff00", "#000000", "#000000", "#000000", "#ffffff", "#ffff00"};
    if (scheme == Scheme::Light)
        return light;
    const char *const *colours = scheme == Scheme::Dark ? dark : highContrast;
    QPalette palette;
    for (int role = 0; role < int(std::size(dark)); ++role)
        palette.setColor(QPalette::ColorRole(role), QColor(QString::fromLatin1(colours[role])));
    return palette;
}

// Each window, by the name its rows and its reference images take.
const struct
{
    Shown window;
    const char *name;
    const char *file;
} shownWindows[] = {{Shown::Main, "main window", "main"},
                    {Shown::StatRoller, "stat roller", "statroller"},
                    {Shown::MultiRoller, "multiple roller", "multiroller"},
                    {Shown::About, "about", "about"}};

const struct
{
    Scheme scheme;
    const char *name;
    const char *suffix; // of the reference images
} schemes[] = {{Scheme::Light, "light", ""},
               {Scheme::Dark, "dark", "-dark"},
               {Scheme::HighContrast, "high contrast", "-contrast"}};

std::unique_ptr<QWidget> build(Shown which, ScriptedSource &source, bool rolled)
{
    switch (which) {
    case Shown::Main: {
        auto window = std::make_unique<MainWindow>(source);
        if (rolled)
            window->rollAll();
        return window;
    }
    case Shown::StatRoller: {
        auto window = std::make_unique<StatRollerWindow>(source);
        if (rolled)
            window->rollAll();
        return window;
    }
    case Shown::MultiRoller: {
        auto window = std::make_unique<MultiRollerWindow>(source);
        if (rolled) {
            window->dieBox()->setCurrentIndex(5);
            window->countBox()->setText(QStringLiteral("3"));
            window->roll();
        }
        return window;
    }
    case Shown::About:
        return std::make_unique<AboutDialog>();
    }
    return nullptr;
}

// Draws spread over the range, so every die shows a different face.
std::vector<float> draws()
{
    return {0.05f, 0.95f, 0.3f,  0.99f, 0.5f,  0.62f, 0.41f, 0.87f, 0.12f, 0.74f, 0.2f,  0.66f,
            0.33f, 0.9f,  0.01f, 0.58f, 0.47f, 0.8f,  0.25f, 0.7f,  0.15f, 0.55f, 0.35f, 0.97f};
}

QImage render(QWidget *window)
{
    window->show();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("window not active");
    QCoreApplication::sendPostedEvents(); // what the event loop would do before painting
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels differing by more than the tolerance, painted red over a faded copy of `actual`.
QImage difference(const QImage &expected, const QImage &actual, int &differing)
{
    QImage diff = actual.convertToFormat(QImage::Format_RGB32);
    differing = 0;
    for (int y = 0; y < diff.height(); ++y) {
        for (int x = 0; x < diff.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            const int most = std::max(
                {qAbs(qRed(a) - qRed(e)), qAbs(qGreen(a) - qGreen(e)), qAbs(qBlue(a) - qBlue(e))});
            const int grey = 160 + qGray(a) * 95 / 255;
            diff.setPixel(x, y, most > tolerance ? qRgb(255, 0, 0) : qRgb(grey, grey, grey));
            differing += most > tolerance;
        }
    }
    return diff;
}

// Fails unless `actual` matches the reference `file`; see the top of this file.
void compareWithReference(const QImage &actual, const QString &file)
{
    const QString reference = QStringLiteral(QUANDREL_PIXELS_REFERENCE "/") + file;
    if (qEnvironmentVariableIntValue("QUANDREL_UPDATE_PIXELS")) {
        QVERIFY(actual.save(reference));
        qInfo("wrote %s", qPrintable(reference));
        return;
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable("no reference " + reference));
    int differing = -1;
    QImage diff;
    if (actual.size() == expected.size())
        diff = difference(expected, actual, differing);
    if (differing == 0)
        return;
    const QString out = QStringLiteral(QUANDREL_PIXELS_OUT "/");
    actual.save(out + file);
    if (!diff.isNull())
        diff.save(out + "diff-" + file);
    QFAIL(qPrintable(QStringLiteral("%1 differs from %2 (%3 pixels; size %4x%5 vs %6x%7); "
                                    "rendering %8, difference %9")
                         .arg(file, reference)
                         .arg(differing)
                         .arg(actual.width())
                         .arg(actual.height())
                         .arg(expected.width())
                         .arg(expected.height())
                         .arg(out + file, out + "diff-" + file)));
}

// A control's caption, read and written, for the controls that show one.
struct Caption
{
    QWidget *control;
    QString text;
};

QList<Caption> captions(QWidget *window)
{
    QList<Caption> found;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (const QString text = caption(w); w->isVisible() && !text.isEmpty())
            found.append({w, text});
    return found;
}

void setCaption(QWidget *w, const QString &text)
{
    if (w->property("caption").isValid())
        w->setProperty("caption", text);
    else if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
}

} // namespace

Q_DECLARE_METATYPE(Shown)
Q_DECLARE_METATYPE(Scheme)

class TestPixels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void windows_data();
    void windows();
    void desktopFontsChangeNothing_data();
    void desktopFontsChangeNothing();
    void captionsContrast_data();
    void captionsContrast();
    void movesBetweenScreens_data();
    void movesBetweenScreens();

private:
    qreal m_scale = 1;
    QPalette m_light;
};

void TestPixels::initTestCase()
{
    setUpProgram();
    QApplication::setCursorFlashTime(0); // a text cursor that never blinks
    m_scale = qApp->devicePixelRatio();
    m_light = QApplication::palette();
    QDir().mkpath(QStringLiteral(QUANDREL_PIXELS_OUT));
}

void TestPixels::cleanup()
{
    flushDeletes();
    QApplication::setPalette(m_light);
}

void TestPixels::windows_data()
{
    QTest::addColumn<Shown>("window");
    QTest::addColumn<bool>("rolled");
    QTest::addColumn<Scheme>("scheme");
    QTest::addColumn<QString>("name");
    // As each window opens and after a scripted roll (About has no roll), on each palette;
    // in high contrast, one state per window will do.
    for (const auto &[scheme, palette, suffix] : schemes)
        for (const auto &[window, name, file] : shownWindows)
            for (const bool rolled : {false, true})
                if (!rolled || (scheme != Scheme::HighContrast && window != Shown::About))
                    QTest::addRow("%s%s, %s", name, rolled ? " after a roll" : "", palette)
                        << window << rolled << scheme
                        << QString::fromLatin1(file) + (rolled ? "-rolled" : "") + suffix;
}

void TestPixels::windows()
{
    QFETCH(Shown, window);
    QFETCH(bool, rolled);
    QFETCH(Scheme, scheme);
    QFETCH(QString, name);
    QApplication::setPalette(palette(scheme, m_light));
    ScriptedSource source(draws());
    const std::unique_ptr<QWidget> shown = build(window, source, rolled);
    compareWithReference(render(shown.get()), QStringLiteral("%1@%2x.png").arg(name).arg(m_scale));
}

void TestPixels::desktopFontsChangeNothing_data()
{
    QTest::addColumn<Shown>("window");
    QTest::addColumn<QString>("name");
    for (const auto &[window, name, file] : shownWindows)
        QTest::newRow(name) << window << QString::fromLatin1(file);
}

void TestPixels::desktopFontsChangeNothing()
{
    // A desktop that sets a large general font, fonts of its own for classes of widgets, and
    // a style sheet with fonts.
    QFETCH(Shown, window);
    QFETCH(QString, name);
    if (qEnvironmentVariableIntValue("QUANDREL_UPDATE_PIXELS"))
        QSKIP("compares with the references of the plain renderings");
    QFont serif(QStringLiteral("DejaVu Serif"), 14);
    QApplication::setFont(serif);
    serif.setItalic(true);
    for (const char *type : {"QPushButton", "QLabel", "QLineEdit", "QComboBox", "QDialog"})
        QApplication::setFont(serif, type);
    qApp->setStyleSheet(QStringLiteral("QPushButton, QLabel, QLineEdit { font: 14pt serif; }"));
    ScriptedSource source(draws());
    const std::unique_ptr<QWidget> shown = build(window, source, false);
    const QImage actual = render(shown.get());
    fonts::install();
    compareWithReference(actual, QStringLiteral("%1@%2x.png").arg(name).arg(m_scale));
}

void TestPixels::captionsContrast_data()
{
    QTest::addColumn<Shown>("window");
    QTest::addColumn<Scheme>("scheme");
    for (const auto &[scheme, palette, suffix] : schemes)
        for (const auto &[window, name, file] : shownWindows)
            QTest::addRow("%s, %s", name, palette) << window << scheme;
}

void TestPixels::captionsContrast()
{
    // Each caption's strongest pixel against the same pixel rendered without the caption:
    // at least 4.5:1 (WCAG AA) for every control that shows text.
    QFETCH(Shown, window);
    QFETCH(Scheme, scheme);
    QApplication::setPalette(palette(scheme, m_light));
    ScriptedSource source(draws());
    const std::unique_ptr<QWidget> shown = build(window, source, true);
    render(shown.get());
    if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus(); // no caret or focus frame in either rendering
    const QImage captioned = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QList<Caption> all = captions(shown.get());
    QVERIFY(!all.isEmpty());
    for (const Caption &caption : all)
        setCaption(caption.control, QString());
    const QImage behind = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);

    for (const Caption &caption : all) {
        const QRect area =
            QRectF(QPointF(caption.control->mapTo(shown.get(), QPoint(0, 0))) * m_scale,
                   QSizeF(caption.control->size()) * m_scale)
                .toAlignedRect()
                .intersected(captioned.rect());
        double best = 1.0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                best = std::max(
                    best, contrast(QColor(captioned.pixel(x, y)), QColor(behind.pixel(x, y))));
        QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("\"%1\" (%2): contrast %3")
                                             .arg(caption.text, caption.control->objectName())
                                             .arg(best, 0, 'f', 2)));
    }
}

void TestPixels::movesBetweenScreens_data()
{
    QTest::addColumn<Shown>("window");
    QTest::newRow("main window") << Shown::Main;
    QTest::newRow("stat roller") << Shown::StatRoller;
}

void TestPixels::movesBetweenScreens()
{
    // A window moved onto a screen of another scale, and back, shows what a window opened
    // there shows: its pictures read again for the screen, its lines on whole device pixels.
    // Run on a platform with two screens of different scale.
    QFETCH(Shown, window);
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens[0]->devicePixelRatio() == screens[1]->devicePixelRatio())
        QSKIP("needs two screens of different scale");
    const auto shownOn = [&](QWidget *w, QScreen *screen) {
        w->move(screen->geometry().topLeft() + QPoint(40, 40));
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w) || w->screen() != screen)
            qWarning("window not active on %s", qPrintable(screen->name()));
        QCoreApplication::sendPostedEvents();
        return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    ScriptedSource source(draws());
    const std::unique_ptr<QWidget> moved = build(window, source, false);
    shownOn(moved.get(), screens[0]);
    for (QScreen *screen : {screens[1], screens[0]}) {
        const QImage actual = shownOn(moved.get(), screen);
        QCOMPARE(moved->devicePixelRatioF(), screen->devicePixelRatio());
        const std::unique_ptr<QWidget> opened = build(window, source, false);
        int differing = 0;
        difference(shownOn(opened.get(), screen), actual, differing);
        QVERIFY2(differing == 0,
                 qPrintable(
                     QStringLiteral("%1 pixels differ on %2").arg(differing).arg(screen->name())));
    }
}

QTEST_MAIN(TestPixels)
#include "tst_pixels.moc"
