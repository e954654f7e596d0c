// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "about/aboutdialog.h"
#include "about/placement.h"
#include "support/widgettest.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup() { flushDeletes(); }

    void opensAsDesigned();
    void placedOnScreen_data();
    void placedOnScreen();
    void closing_data();
    void closing();
};

void TestAbout::opensAsDesigned()
{
    AboutDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Quandrel"));
    QCOMPARE(about.titleLabel()->text(), QStringLiteral("Quandrel"));
    QCOMPARE(about.versionLabel()->text(), QStringLiteral("Version " QUANDREL_VERSION));
    QCOMPARE(about.descriptionLabel()->text(),
             QStringLiteral("Designed and programmed by the Quandrel authors"));
    QCOMPARE(about.disclaimerLabel()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), about.okButton());
    QVERIFY(about.okButton()->isDefault());
    QVERIFY(!about.windowIcon().isNull());
    // A fixed frame with a close box only, an independent window at the fixed place.
    QCOMPARE(about.size(), QSize(382, 150));
    QCOMPARE(about.minimumSize(), about.size());
    QCOMPARE(about.maximumSize(), about.size());
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(about.windowType(), Qt::Window);
    QCOMPARE(about.geometry().topLeft(), QPoint(156, 129));
}

void TestAbout::placedOnScreen_data()
{
    // The window's frame at the fixed place: client (156, 129) 382 x 150, a 1-pixel border
    // and a 22-pixel title bar. Screens are given in device-independent pixels.
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("placed");
    const QPoint fixed(155, 107);
    // clang-format off
    QTest::newRow("640 x 480 at scale 1: the fixed place") << QRect(0, 0, 640, 480) << fixed;
    QTest::newRow("a panel above, clear of it") << QRect(0, 40, 1024, 728) << fixed;
    QTest::newRow("1280 x 800 at scale 3: up and left") << QRect(0, 0, 427, 267) << QPoint(427 - 384, 267 - 173);
    QTest::newRow("800 x 600 at scale 1.5: left only") << QRect(0, 0, 533, 400) << QPoint(149, 107);
    QTest::newRow("a panel on top of the place: down") << QRect(0, 120, 1024, 648) << QPoint(155, 120);
    QTest::newRow("narrower than the window: its right end shows") << QRect(0, 0, 300, 400) << QPoint(300 - 384, 107);
    QTest::newRow("lower than the window: its title bar shows") << QRect(0, 0, 800, 100) << QPoint(155, 0);
    // clang-format on
}

void TestAbout::placedOnScreen()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, placed);
    const QRect frame(155, 107, 384, 173);
    const QRect moved = placedWithin(frame, available);
    QCOMPARE(moved.topLeft(), placed);
    QCOMPARE(moved.size(), frame.size());
}

void TestAbout::closing_data()
{
    // Each way to close the window: a key on OK or on the window itself, a click on OK, or
    // the close box of the window's frame.
    QTest::addColumn<QString>("how");
    // clang-format off
    QTest::newRow("Enter on OK") << "Return on OK";
    QTest::newRow("keypad Enter on OK") << "Enter on OK";
    QTest::newRow("Esc on OK") << "Escape on OK";
    QTest::newRow("Space on OK") << "Space on OK";
    QTest::newRow("Enter from the window") << "Return on window";
    QTest::newRow("Esc from the window") << "Escape on window";
    QTest::newRow("a click on OK") << "click OK";
    QTest::newRow("the frame's close box") << "close box";
    // clang-format on
}

void TestAbout::closing()
{
    QFETCH(QString, how);
    QPointer<AboutDialog> about = new AboutDialog;
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    const QHash<QString, Qt::Key> keys = {{"Return", Qt::Key_Return},
                                          {"Enter", Qt::Key_Enter},
                                          {"Escape", Qt::Key_Escape},
                                          {"Space", Qt::Key_Space}};
    if (how == QLatin1String("click OK")) {
        QTest::mouseClick(about->okButton(), Qt::LeftButton);
    } else if (how == QLatin1String("close box")) {
        // What the platform does when the window manager's close box is clicked.
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            about->windowHandle());
    } else {
        QWidget *target =
            how.endsWith("window") ? static_cast<QWidget *>(about.data()) : about->okButton();
        QTest::keyClick(target, keys.value(how.section(' ', 0, 0)));
    }
    QTRY_VERIFY(about.isNull() || !about->isVisible());
    flushDeletes();
    QVERIFY(about.isNull());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
