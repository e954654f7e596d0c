// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Smoke test on a Wayland compositor (tests/wayland/run.sh starts a headless weston): opens
// every window, asks the About window to maximise, and checks that the program runs on
// and ends when its last window closes.
#include "mainwindow.h"
#include "widgettest.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void maximisingAboutEndsNothing();
};

void TestWayland::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName().startsWith(QLatin1String("wayland")),
             qPrintable(QGuiApplication::platformName()));
    setUpProgram();
}

void TestWayland::maximisingAboutEndsNothing()
{
    auto *main = new MainWindow(dice::processSource());
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    for (const char *button : {"CharShow", "AdShow", "AbShow"})
        QTest::mouseClick(child<QPushButton>(*main, button), Qt::LeftButton);

    QWidget *about = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("About"))
            about = w;
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    // Qt draws no frame around it; its own title bar holds one button, the close box.
    QVERIFY(about->windowHandle()->flags() & Qt::FramelessWindowHint);
    auto *closeBox = child<QToolButton>(*about, "closeBox");
    QCOMPARE(closeBox->parentWidget()->findChildren<QAbstractButton *>().size(), 1);
    // What the maximise request of a window frame or of the compositor leads to.
    about->windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTest::qWait(500);
    about->update(); // the next frame commits the surface in the state it now has
    QTest::qWait(500);

    QWidgetList open;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            open << w;
    QCOMPARE(open.size(), 4);

    // Close the main window first, the About window last with its close box; the program
    // ends with the last.
    QTimer::singleShot(0, [open, main, about, closeBox] {
        main->close();
        for (QWidget *w : open)
            if (w != main && w != about)
                w->close();
        QTest::mouseClick(closeBox, Qt::LeftButton);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    guard.start(5000);
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
