// Renders every window as it first opens and after a scripted roll, and compares each
// rendering with a reviewed reference image in tests/pixels/. Run once per scale factor
// (QT_SCALE_FACTOR); the references are named after the window, state and scale.
//
// On a mismatch the rendering and a difference image are written next to the build and
// their paths printed. QUANDREL_UPDATE_PIXELS=1 writes the renderings as new references.
#include "aboutdialog.h"
#include "mainwindow.h"
#include "multirollerwindow.h"
#include "scriptedsource.h"
#include "statrollerwindow.h"
#include "widgettest.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// Largest difference in any colour channel that still counts as the same pixel.
constexpr int tolerance = 4;

enum class Window
{
    MainWindow,
    Stats,
    Multi,
    AboutDialog
};

std::unique_ptr<QWidget> build(Window which, ScriptedSource &source, bool rolled)
{
    switch (which) {
    case Window::MainWindow: {
        auto window = std::make_unique<MainWindow>(source);
        if (rolled)
            window->rollAll();
        return window;
    }
    case Window::Stats: {
        auto window = std::make_unique<StatRollerWindow>(source);
        if (rolled)
            window->rollAll();
        return window;
    }
    case Window::Multi: {
        auto window = std::make_unique<MultiRollerWindow>(source);
        if (rolled) {
            window->dieBox()->setCurrentIndex(5);
            window->countBox()->setText(QStringLiteral("3"));
            window->roll();
        }
        return window;
    }
    case Window::AboutDialog:
        return std::make_unique<AboutDialog>();
    }
    return nullptr;
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

} // namespace

class TestPixels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { flushDeletes(); }
    void windows_data();
    void windows();

private:
    int m_scale = 1;
};

void TestPixels::initTestCase()
{
    setUpProgram();
    QApplication::setCursorFlashTime(0); // a text cursor that never blinks
    m_scale = qRound(qApp->devicePixelRatio());
    QDir().mkpath(QStringLiteral(QUANDREL_PIXELS_OUT));
}

void TestPixels::windows_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<bool>("rolled");
    QTest::addColumn<QString>("name");
    QTest::newRow("main window") << int(Window::MainWindow) << false << "main";
    QTest::newRow("main window after Roll All") << int(Window::MainWindow) << true << "main-rolled";
    QTest::newRow("stat roller") << int(Window::Stats) << false << "stats";
    QTest::newRow("stat roller after Roll All") << int(Window::Stats) << true << "stats-rolled";
    QTest::newRow("multiple roller") << int(Window::Multi) << false << "multiroll";
    QTest::newRow("multiple roller after 3 x d20")
        << int(Window::Multi) << true << "multiroll-rolled";
    QTest::newRow("about") << int(Window::AboutDialog) << false << "about";
}

void TestPixels::windows()
{
    QFETCH(int, window);
    QFETCH(bool, rolled);
    QFETCH(QString, name);
    // Draws spread over the range, so every die shows a different face.
    ScriptedSource source({0.05f, 0.95f, 0.3f,  0.99f, 0.5f,  0.62f, 0.41f, 0.87f,
                           0.12f, 0.74f, 0.2f,  0.66f, 0.33f, 0.9f,  0.01f, 0.58f,
                           0.47f, 0.8f,  0.25f, 0.7f,  0.15f, 0.55f, 0.35f, 0.97f});
    const std::unique_ptr<QWidget> shown = build(Window(window), source, rolled);
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    const QImage actual = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);

    const QString file = QStringLiteral("%1@%2x.png").arg(name).arg(m_scale);
    const QString reference = QStringLiteral(QUANDREL_PIXELS_REFERENCE "/") + file;
    if (qEnvironmentVariableIntValue("QUANDREL_UPDATE_PIXELS")) {
        QVERIFY(actual.save(reference));
        qInfo("wrote %s", qPrintable(reference));
        return;
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable("no reference " + reference));

    int differing = actual.size() == expected.size() ? 0 : -1;
    QImage diff;
    if (differing == 0)
        diff = difference(expected, actual, differing);
    if (differing != 0) {
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
}

QTEST_MAIN(TestPixels)
#include "tst_pixels.moc"
