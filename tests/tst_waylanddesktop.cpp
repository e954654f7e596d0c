// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The program on a Wayland compositor (tests/desktop/session.sh starts one of its own): the
// windows drawn at the output's scale, never stretched; a window button raises its window
// where it stands, never hiding it; the desktop's colour scheme followed; the About window,
// asked to maximise, ends nothing; the program runs on without the main window and ends
// when its last window closes.
#include "app/mainwindow.h"
#include "support/desktopsession.h"
#include "support/programend.h"
#include "support/widgettest.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

class TestWaylandDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void drawnAtOutputScale();
    void buttonRaisesInPlace_data();
    void buttonRaisesInPlace();
    void followsColourScheme() { session::checkColourScheme(); }
    void maximisingAboutEndsNothing();
};

void TestWaylandDesktop::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName().startsWith(QLatin1String("wayland")),
             qPrintable(QGuiApplication::platformName()));
    setUpProgram();
}

void TestWaylandDesktop::drawnAtOutputScale()
{
    // At least at the output's scale: the compositor may scale a buffer down, but one it
    // stretches is blurred.
    MainWindow main(dice::processSource());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTRY_VERIFY2(main.devicePixelRatio() >= session::scale(),
                 qPrintable(QString::number(main.devicePixelRatio())));
}

void TestWaylandDesktop::buttonRaisesInPlace_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("other"); // the window opened over it
    QTest::newRow("Character Stat Roller") << "CharStat" << "ADDice";
    QTest::newRow("Multiple Dice Roller") << "ADDice" << "CharStat";
    QTest::newRow("About") << "About" << "ADDice";
}

void TestWaylandDesktop::buttonRaisesInPlace()
{
    // Once another window has opened over it, the window's button asks the compositor to
    // activate it, which raises it, and leaves it mapped at its size: never hidden and shown
    // anew, which would lose where it stands.
    QFETCH(QString, window);
    QFETCH(QString, other);
    MainWindow main(dice::processSource());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QWidget *opened = openWindow(main, window);
    QVERIFY(opened && QTest::qWaitForWindowExposed(opened));
    QVERIFY(openWindow(main, other));
    QTest::qWait(200);
    const QSize size = opened->size();
    QSignalSpy mapped(opened->windowHandle(), &QWindow::visibleChanged);
    QCOMPARE(openWindow(main, window), opened);
    QTest::qWait(500);
    QCOMPARE(shownWindow(qPrintable(window)), opened);
    QCOMPARE(mapped.count(), 0);
    QVERIFY(opened->windowHandle()->isExposed());
    QCOMPARE(opened->size(), size);
    closeWindowsBut(&main);
}

void TestWaylandDesktop::maximisingAboutEndsNothing()
{
    MainWindow main(dice::processSource());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    for (const char *window : {"CharStat", "ADDice"})
        openWindow(main, window);
    QWidget *about = openWindow(main, "About");
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    // What the maximise request of a window frame or of the compositor leads to.
    about->windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTest::qWait(500);
    about->update(); // the next frame commits the surface in the state it now has
    QTest::qWait(500);

    int open = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        open += w->isVisible();
    QCOMPARE(open, 4);

    // The program runs on without the main window and ends when the About window, closed
    // last, goes.
    QVERIFY(runsOnUntilLastWindowCloses(&main, about, [about] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != about)
                w->close();
        about->close();
    }));
}

QTEST_MAIN(TestWaylandDesktop)
#include "tst_waylanddesktop.moc"
