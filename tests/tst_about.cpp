// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "aboutdialog.h"
#include "programend.h"
#include "widgettest.h"
#include "windowslot.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup() { flushDeletes(); }

    void texts();
    void versionText_data();
    void versionText();
    void layout_data();
    void layout();
    void fixedDialogFrame();
    void closingKeys_data();
    void closingKeys();
    void closeBoxCloses();
    void reopeningShowsTheSameTexts();
    void programRunsOnWhileAboutIsOpen();
};

void TestAbout::texts()
{
    AboutDialog about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Quandrel"));
    QCOMPARE(about.titleLabel()->text(), QStringLiteral("Quandrel"));
    QCOMPARE(about.versionLabel()->text(), QStringLiteral("Version 1.7.0"));
    QCOMPARE(about.disclaimerLabel()->text(), QString());
    QVERIFY(!about.descriptionLabel()->text().isEmpty());
    QVERIFY(about.descriptionLabel()->text().contains(QStringLiteral("Quandrel")));
}

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

void TestAbout::closeBoxCloses()
{
    QPointer<AboutDialog> about = new AboutDialog;
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    QVERIFY(about->close());
    flushDeletes();
    QVERIFY(about.isNull());
}

void TestAbout::reopeningShowsTheSameTexts()
{
    WindowSlot slot([] { return new AboutDialog; });
    const auto texts = [&slot] {
        auto *about = static_cast<AboutDialog *>(slot.open());
        return QStringList{about->windowTitle(), about->titleLabel()->text(),
                           about->versionLabel()->text(), about->descriptionLabel()->text()};
    };
    const QStringList first = texts();
    QCOMPARE(texts(), first); // opening an open window changes nothing
    QTest::mouseClick(static_cast<AboutDialog *>(slot.window())->okButton(), Qt::LeftButton);
    flushDeletes();
    QVERIFY(!slot.window());
    QCOMPARE(texts(), first);
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
