// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "aboutdialog.h"
#include "placement.h"
#include "programend.h"
#include "widgettest.h"
#include "windowslot.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <memory>

Q_DECLARE_METATYPE(AboutDialog::Frame)

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup() { flushDeletes(); }

    void versionText_data();
    void versionText();
    void layout_data();
    void layout();
    void fixedDialogFrame();
    void placedOnScreen_data();
    void placedOnScreen();
    void closingKeys_data();
    void closingKeys();
    void closeBoxCloses_data();
    void closeBoxCloses();
    void opensWithItsTexts();
    void programRunsOnWhileAboutIsOpen();
};

void TestAbout::versionText_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("text");
    QTest::newRow("this release") << QList<int>{1, 7, 0} << "Version 1.7.0";
    QTest::newRow("no leading zeros") << QList<int>{1, 7, 9} << "Version 1.7.9";
    QTest::newRow("two digits") << QList<int>{2, 10, 11} << "Version 2.10.11";
    QTest::newRow("all zero") << QList<int>{0, 0, 0} << "Version 0.0.0";
}

void TestAbout::versionText()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QString, text);
    QCOMPARE(AboutDialog::versionText(numbers[0], numbers[1], numbers[2]), text);
}

void TestAbout::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("cmdOK") << "cmdOK" << QRect(288, 120, 84, 23);
    QTest::newRow("picIcon(0)") << "picIcon0" << QRect(16, 16, 32, 32);
    QTest::newRow("picIcon(1)") << "picIcon1" << QRect(16, 48, 32, 32);
    QTest::newRow("lblDescription") << "lblDescription" << QRect(70, 75, 259, 30);
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(16, 120, 258, 31);
    QTest::newRow("lblTitle") << "lblTitle" << QRect(70, 16, 259, 32);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(70, 52, 259, 15);
}

void TestAbout::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    AboutDialog about;
    auto *control = about.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    if (auto *label = qobject_cast<QLabel *>(control); label && !name.startsWith("pic"))
        QVERIFY(label->alignment() & Qt::AlignLeft);
}

void TestAbout::fixedDialogFrame()
{
    AboutDialog about;
    about.show();
    QCOMPARE(about.size(), QSize(382, 150));
    QCOMPARE(about.minimumSize(), about.size());
    QCOMPARE(about.maximumSize(), about.size());
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(about.windowType(), Qt::Tool); // no task-bar button
    QCOMPARE(about.geometry().topLeft(), QPoint(156, 129));
    QVERIFY(about.okButton()->isDefault());
    QVERIFY(!about.windowIcon().isNull());
}

void TestAbout::placedOnScreen_data()
{
    // The window's frame at the fixed place: client (156, 129) 382 x 150, a 1-pixel border
    // and a 22-pixel title bar. Screens are given in device-independent pixels.
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("placed");
    const QPoint fixed(155, 107);
    QTest::newRow("640 x 480 at scale 1: the fixed place") << QRect(0, 0, 640, 480) << fixed;
    QTest::newRow("a panel above, clear of it") << QRect(0, 40, 1024, 728) << fixed;
    QTest::newRow("1280 x 800 at scale 3: up and left")
        << QRect(0, 0, 427, 267) << QPoint(427 - 384, 267 - 173);
    QTest::newRow("800 x 600 at scale 1.5: left only") << QRect(0, 0, 533, 400) << QPoint(149, 107);
    QTest::newRow("a panel on top of the place: down")
        << QRect(0, 120, 1024, 648) << QPoint(155, 120);
    QTest::newRow("narrower than the window: its right end shows")
        << QRect(0, 0, 300, 400) << QPoint(300 - 384, 107);
    QTest::newRow("lower than the window: its title bar shows")
        << QRect(0, 0, 800, 100) << QPoint(155, 0);
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

void TestAbout::closingKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("focusOnLabel");
    QTest::newRow("Enter on OK") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
    QTest::newRow("Space on OK") << int(Qt::Key_Space) << false;
    QTest::newRow("Enter from the window") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc from the window") << int(Qt::Key_Escape) << true;
}

void TestAbout::closingKeys()
{
    QFETCH(int, key);
    QFETCH(bool, focusOnLabel);
    QPointer<AboutDialog> about = new AboutDialog;
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(QApplication::focusWidget(), about->okButton());
    QWidget *target = focusOnLabel ? static_cast<QWidget *>(about) : about->okButton();
    QTest::keyClick(target, Qt::Key(key));
    QTRY_VERIFY(about.isNull() || !about->isVisible());
    flushDeletes();
    QVERIFY(about.isNull());
}

void TestAbout::closeBoxCloses_data()
{
    QTest::addColumn<AboutDialog::Frame>("frame");
    QTest::newRow("the window manager's close box") << AboutDialog::Frame::WindowManager;
    QTest::newRow("the close box of its own title bar") << AboutDialog::Frame::Own;
}

void TestAbout::closeBoxCloses()
{
    QFETCH(AboutDialog::Frame, frame);
    QPointer<AboutDialog> about = new AboutDialog(frame);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    if (frame == AboutDialog::Frame::Own) {
        QTest::mouseClick(child<QAbstractButton>(*about, "closeBox"), Qt::LeftButton);
    } else {
        // What the platform does when the window manager's close box is clicked.
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            about->windowHandle());
    }
    flushDeletes();
    QVERIFY(about.isNull());
}

void TestAbout::opensWithItsTexts()
{
    // Every opening shows the same texts; opening it while open makes no second window.
    WindowSlot slot([] { return new AboutDialog; });
    const QStringList expected = {"About Quandrel", "Quandrel", "Version 1.7.0",
                                  "Designed and programmed by the Quandrel authors", ""};
    const auto texts = [](const AboutDialog *about) {
        return QStringList{about->windowTitle(), about->titleLabel()->text(),
                           about->versionLabel()->text(), about->descriptionLabel()->text(),
                           about->disclaimerLabel()->text()};
    };
    const QPointer<QWidget> first = slot.open();
    QCOMPARE(texts(static_cast<AboutDialog *>(first.data())), expected);
    QCOMPARE(slot.open(), first.data());
    QTest::mouseClick(static_cast<AboutDialog *>(slot.window())->okButton(), Qt::LeftButton);
    flushDeletes();
    QVERIFY(first.isNull());
    QCOMPARE(texts(static_cast<AboutDialog *>(slot.open())), expected);
    slot.window()->close();
}

void TestAbout::programRunsOnWhileAboutIsOpen()
{
    auto mainWindow = std::make_unique<QWidget>();
    mainWindow->show();
    QPointer<AboutDialog> about = new AboutDialog;
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    QVERIFY(runsOnUntilLastWindowCloses(
        mainWindow.get(), about, [&] { QTest::keyClick(about->okButton(), Qt::Key_Escape); }));
    flushDeletes();
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
