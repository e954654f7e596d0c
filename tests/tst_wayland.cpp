// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The program on a Wayland compositor (tests/wayland/run.sh starts a weston of its own): a
// window button brings its window back to the front with the keyboard focus, though the
// compositor offers no activation; the About window, asked to maximise, keeps its own frame;
// the program runs on without the main window and ends when its last window closes.
#include "app/mainwindow.h"
#include "support/programend.h"
#include "support/widgettest.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTest>
#include <QWindow>

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buttonBringsWindowBack_data();
    void buttonBringsWindowBack();
    void maximisingAboutEndsNothing();
};

void TestWayland::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName().startsWith(QLatin1String("wayland")),
             qPrintable(QGuiApplication::platformName()));
    setUpProgram();
}

void TestWayland::buttonBringsWindowBack_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    // The multiple roller is the other window each row brings its window back from.
    // clang-format off
    QTest::newRow("Character Stat Roller") << "CharShow" << "CharStat";
    QTest::newRow("About") << "AbShow" << "About";
    // clang-format on
}

void TestWayland::buttonBringsWindowBack()
{
    // The window opens active; once another window has the focus, its button gives it back.
    QFETCH(QString, button);
    QFETCH(QString, window);
    MainWindow main(dice::processSource());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::mouseClick(child<QPushButton>(main, qPrintable(button)), Qt::LeftButton);
    QWidget *opened = nullptr;
    QTRY_VERIFY((opened = shownWindow(qPrintable(window))));
    QTRY_VERIFY(opened->isActiveWindow());
    QTest::mouseClick(child<QPushButton>(main, "AdShow"), Qt::LeftButton);
    QWidget *other = nullptr;
    QTRY_VERIFY((other = shownWindow("ADDice")) && other->isActiveWindow());
    QTest::mouseClick(child<QPushButton>(main, qPrintable(button)), Qt::LeftButton);
    QTRY_VERIFY(opened->isActiveWindow());
    QCOMPARE(shownWindow(qPrintable(window)), opened);
    closeWindowsBut(&main);
}

void TestWayland::maximisingAboutEndsNothing()
{
    MainWindow main(dice::processSource());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    for (const char *button : {"CharShow", "AdShow", "AbShow"})
        QTest::mouseClick(child<QPushButton>(main, button), Qt::LeftButton);

    QWidget *about = shownWindow("About");
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    // Qt draws no frame around it; its own title bar holds one button, the close box.
    QVERIFY(about->windowHandle()->flags() & Qt::FramelessWindowHint);
    auto *closeBox = child<QAbstractButton>(*about, "closeBox");
    QCOMPARE(closeBox->parentWidget()->findChildren<QAbstractButton *>().size(), 1);
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
    // last with its close box, goes.
    QVERIFY(runsOnUntilLastWindowCloses(&main, about, [about, closeBox] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != about)
                w->close();
        QTest::mouseClick(closeBox, Qt::LeftButton);
    }));
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
