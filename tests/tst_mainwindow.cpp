// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "mainwindow.h"
#include "startup.h"
#include "programstyle.h"
#include "scriptedsource.h"
#include "statrollerwindow.h"
#include "widgettest.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup() { flushDeletes(); }

    void identity();
    void startsAsDesigned();
    void geometry_data();
    void geometry();
    void tabOrder();
    void fonts();
    void accessibleNames();
    void controlsStayPutWhenResized();

    void singleRoll_data();
    void singleRoll();
    void rollAll_data();
    void rollAll();
    void rollAllTakesEightDrawsInOrder();
    void indexWithoutDieDoesNothing();
    void singleRollChangesOnlyItsButton();

    void freshRunFirstRollAll();
    void sameClicksSameResults();
    void rollElsewhereShiftsTheSequence();
    void everyWindowOnceWithItsNamesAndRole();
};

namespace {
const QStringList initialCaptions = {"4", "6", "8", "10", "12", "20", "%", "100"};
const short dieIndexes[] = {0, 1, 2, 3, 4, 5, 8, 9};

QStringList captions(const MainWindow &window)
{
    QStringList list;
    for (short i : dieIndexes)
        list << window.dieButton(i)->text();
    return list;
}
} // namespace

void TestMainWindow::identity()
{
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Quandrel"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.7.0"));
    QCOMPARE(QApplication::desktopFileName(), QStringLiteral("org.quandrel.Quandrel"));
    QCOMPARE(QApplication::windowIcon().availableSizes(),
             (QList<QSize>{QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48),
                           QSize(64, 64), QSize(128, 128)}));
    QVERIFY(qobject_cast<ProgramStyle *>(QApplication::style()));
}

void TestMainWindow::startsAsDesigned()
{
    ScriptedSource source;
    MainWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Quandrel"));
    QCOMPARE(window.size(), QSize(675, 193));
    QCOMPARE(captions(window), initialCaptions);
    QCOMPARE(QApplication::focusWidget(), window.dieButton(0));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(source.taken(), 0u);
    QCOMPARE(accessibleText(&window, QAccessible::Name), QStringLiteral("Quandrel"));
}

void TestMainWindow::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("d4") << "Die0" << QRect(8, 8, 73, 113);
    QTest::newRow("d6") << "Die1" << QRect(88, 8, 73, 113);
    QTest::newRow("d8") << "Die2" << QRect(168, 8, 73, 113);
    QTest::newRow("d10") << "Die3" << QRect(248, 8, 73, 113);
    QTest::newRow("d12") << "Die4" << QRect(328, 8, 73, 113);
    QTest::newRow("d20") << "Die5" << QRect(408, 8, 73, 113);
    QTest::newRow("percentile") << "Die8" << QRect(488, 8, 73, 113);
    QTest::newRow("d100, wider") << "Die9" << QRect(568, 8, 97, 113);
    QTest::newRow("Roll All") << "RA" << QRect(8, 128, 657, 25);
    QTest::newRow("stat roller") << "CharShow" << QRect(8, 160, 241, 25);
    QTest::newRow("About") << "AbShow" << QRect(256, 160, 161, 25);
    QTest::newRow("multiple roller") << "AdShow" << QRect(424, 160, 241, 25);
}

void TestMainWindow::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    ScriptedSource source;
    MainWindow window(source);
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
}

void TestMainWindow::tabOrder()
{
    ScriptedSource source;
    MainWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QStringList expected = {"Die0", "Die1", "Die2",     "Die3",   "Die4",   "Die5", "Die8",
                                  "Die9", "RA",   "CharShow", "AdShow", "AbShow", "Die0"};
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
}

void TestMainWindow::fonts()
{
    ScriptedSource source;
    MainWindow window(source);
    const QFont die = window.dieButton(9)->font();
    // The design family maps to its installed metric-compatible substitute, and where
    // only that is installed the fonts name it directly.
    QCOMPARE(QFont::substitute(QStringLiteral("MS Sans Serif")).toLower(),
             QStringLiteral("liberation sans"));
    QCOMPARE(die.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(die.pointSizeF(), 13.5);
    QVERIFY(!die.bold());
    const QFont rollAll = child<QPushButton>(window, "RA")->font();
    QCOMPARE(rollAll.pointSizeF(), 12.0);
    QVERIFY(rollAll.bold());
    // The design family resolves to the installed metric-compatible one.
    QCOMPARE(QFontInfo(die).family(), QStringLiteral("Liberation Sans"));
}

void TestMainWindow::accessibleNames()
{
    ScriptedSource source({0.0f});
    MainWindow window(source);
    const QStringList descriptions = {"four-sided die",      "six-sided die",    "eight-sided die",
                                      "ten-sided die",       "twelve-sided die", "twenty-sided die",
                                      "percentile tens die", "hundred-sided die"};
    for (int i = 0; i < 8; ++i) {
        QPushButton *button = window.dieButton(dieIndexes[i]);
        QCOMPARE(accessibleText(button, QAccessible::Name), initialCaptions[i]);
        QCOMPARE(accessibleText(button, QAccessible::Description), descriptions[i]);
    }
    window.rollDie(8);
    QCOMPARE(accessibleText(window.dieButton(8), QAccessible::Name), QStringLiteral("00"));
    for (const char *name : {"RA", "CharShow", "AdShow", "AbShow"}) {
        auto *button = child<QPushButton>(window, name);
        QCOMPARE(accessibleText(button, QAccessible::Name), button->text());
    }
}

void TestMainWindow::controlsStayPutWhenResized()
{
    ScriptedSource source;
    MainWindow window(source);
    window.show();
    const QRect before = window.dieButton(9)->geometry();
    window.resize(1200, 700);
    QCOMPARE(window.dieButton(9)->geometry(), before);
    window.resize(300, 100); // too small: the controls are cut off, not moved
    QCOMPARE(window.dieButton(9)->geometry(), before);
    QCOMPARE(child<QPushButton>(window, "AdShow")->geometry(), QRect(424, 160, 241, 25));
}

void TestMainWindow::singleRoll_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("key"); // 0: a mouse click
    const float top = largestDraw;
    QTest::newRow("d4 least") << 0 << 0.0f << "1" << 0;
    QTest::newRow("d4 greatest") << 0 << top << "4" << 0;
    QTest::newRow("d6 greatest") << 1 << top << "6" << 0;
    QTest::newRow("d8 greatest") << 2 << top << "8" << 0;
    QTest::newRow("d10 least shows 0") << 3 << 0.0f << "0" << 0;
    QTest::newRow("d10 greatest shows 9") << 3 << top << "9" << 0;
    QTest::newRow("d12 greatest") << 4 << top << "12" << 0;
    QTest::newRow("d20 greatest") << 5 << top << "20" << 0;
    QTest::newRow("percentile least shows 00") << 8 << 0.0f << "00" << 0;
    QTest::newRow("percentile greatest") << 8 << top << "90" << 0;
    QTest::newRow("percentile forty") << 8 << 0.4f << "40" << 0;
    QTest::newRow("d100 least") << 9 << 0.0f << "1" << 0;
    QTest::newRow("d100 greatest") << 9 << top << "100" << 0;
    QTest::newRow("d6 by Enter on it") << 1 << top << "6" << int(Qt::Key_Return);
    QTest::newRow("percentile by keypad Enter") << 8 << 0.0f << "00" << int(Qt::Key_Enter);
}

void TestMainWindow::singleRoll()
{
    QFETCH(int, index);
    QFETCH(float, draw);
    QFETCH(QString, caption);
    QFETCH(int, key);
    ScriptedSource source({draw});
    MainWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const Announcements announcements;
    QPushButton *button = window.dieButton(static_cast<short>(index));
    if (key) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    } else {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(window.dieButton(static_cast<short>(index))->text(), caption);
    QCOMPARE(source.taken(), 1u);
    QCOMPARE(announcements.heard,
             QStringList{accessibleText(button, QAccessible::Description) + ": " + caption});
}

void TestMainWindow::rollAll_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("least draws: d10 shows 1")
        << 0.0f << QStringList{"1", "1", "1", "1", "1", "1", "00", "1"};
    QTest::newRow("greatest draws: d10 shows 10")
        << largestDraw << QStringList{"4", "6", "8", "10", "12", "20", "90", "100"};
}

void TestMainWindow::rollAll()
{
    QFETCH(float, draw);
    QFETCH(QStringList, expected);
    ScriptedSource source(std::vector<float>(16, draw));
    MainWindow window(source);
    window.show();
    const Announcements announcements;
    QStringList spoken;
    const QStringList kinds = {"d4", "d6", "d8", "d10", "d12", "d20", "percentile", "d100"};
    for (int i = 0; i < 8; ++i)
        spoken << kinds[i] + ": " + expected[i];
    // The same faces twice are heard twice.
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(child<QPushButton>(window, "RA"), Qt::LeftButton);
        QCOMPARE(captions(window), expected);
    }
    QCOMPARE(announcements.heard, QStringList(2, spoken.join(", ")));
}

void TestMainWindow::rollAllTakesEightDrawsInOrder()
{
    // Draw k lands on the k-th die of the order 0, 1, 2, 3, 4, 5, 8, 9.
    ScriptedSource source(
        {0.0f, largestDraw, 0.0f, largestDraw, 0.0f, largestDraw, 0.0f, largestDraw});
    MainWindow window(source);
    window.show();
    QTest::mouseClick(child<QPushButton>(window, "RA"), Qt::LeftButton);
    QCOMPARE(source.taken(), 8u);
    QCOMPARE(captions(window), (QStringList{"1", "6", "1", "10", "1", "20", "00", "100"}));
}

void TestMainWindow::indexWithoutDieDoesNothing()
{
    ScriptedSource source;
    MainWindow window(source);
    for (short index : {short(-1), short(6), short(7), short(10), short(32767)}) {
        window.rollDie(index);
        QVERIFY(!window.dieButton(index));
    }
    QCOMPARE(source.taken(), 0u);
    QCOMPARE(captions(window), initialCaptions);
}

void TestMainWindow::singleRollChangesOnlyItsButton()
{
    ScriptedSource source({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, largestDraw});
    MainWindow window(source);
    window.rollAll();
    QStringList expected = captions(window);
    window.rollDie(5); // the ninth draw
    expected[5] = QStringLiteral("20");
    QCOMPARE(captions(window), expected);
}

void TestMainWindow::freshRunFirstRollAll()
{
    dice::MersenneSource source;
    MainWindow window(source);
    window.show();
    QTest::mouseClick(child<QPushButton>(window, "RA"), Qt::LeftButton);
    QCOMPARE(captions(window), (QStringList{"4", "1", "8", "9", "2", "20", "90", "23"}));
}

void TestMainWindow::sameClicksSameResults()
{
    const auto run = [] {
        dice::MersenneSource source;
        MainWindow window(source);
        window.show();
        QStringList seen;
        for (short i : {9, 3, 3, 8, 0, 9}) {
            QTest::mouseClick(window.dieButton(i), Qt::LeftButton);
            seen << window.dieButton(i)->text();
        }
        window.rollAll();
        return seen + captions(window);
    };
    QCOMPARE(run(), run());
}

void TestMainWindow::rollElsewhereShiftsTheSequence()
{
    const auto secondD100 = [](bool rollStatsBetween) {
        dice::MersenneSource source;
        MainWindow window(source);
        window.show();
        QTest::mouseClick(window.dieButton(9), Qt::LeftButton);
        if (rollStatsBetween) {
            QTest::mouseClick(child<QPushButton>(window, "CharShow"), Qt::LeftButton);
            auto *stats = static_cast<StatRollerWindow *>(window.statRoller()->window());
            QTest::mouseClick(stats->reRollButton(1), Qt::LeftButton);
        }
        QTest::mouseClick(window.dieButton(9), Qt::LeftButton);
        return window.dieButton(9)->text();
    };
    // Plain run: draws 1 and 2 go to the d100. With a stat row between, draw 6 does.
    QCOMPARE(secondD100(false), QStringLiteral("14"));
    QCOMPARE(secondD100(true), QStringLiteral("97"));
}

void TestMainWindow::everyWindowOnceWithItsNamesAndRole()
{
    ScriptedSource source;
    MainWindow window(source);
    window.show();
    for (const char *button : {"CharShow", "AdShow", "AbShow"})
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);

    QStringList statNames{"Command1"};
    for (int i = 0; i < 6; ++i) {
        statNames << QStringLiteral("T%1").arg(i) << QStringLiteral("RRol%1").arg(i);
        for (int j = 0; j < 4; ++j)
            statNames << QStringLiteral("R%1_%2").arg(i + 1).arg(j);
    }
    const struct
    {
        const char *window;
        QAccessible::Role role;
        QStringList controls;
    } windows[] = {
        {"Main",
         QAccessible::Window,
         {"Die0", "Die1", "Die2", "Die3", "Die4", "Die5", "Die8", "Die9", "RA", "CharShow",
          "AdShow", "AbShow"}},
        {"CharStat", QAccessible::Window, statNames},
        {"ADDice", QAccessible::Window, {"DieBox", "xRoll", "total", "Roll"}},
        {"About",
         QAccessible::Dialog,
         {"cmdOK", "picIcon0", "picIcon1", "lblDescription", "lblDisclaimer", "lblTitle",
          "lblVersion"}},
    };
    for (const auto &expected : windows) {
        QWidgetList shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(expected.window) && w->isVisible())
                shown << w;
        QCOMPARE(shown.size(), 1);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(shown[0]);
        QVERIFY(iface);
        QCOMPARE(iface->role(), expected.role);
        for (const QString &name : expected.controls)
            QVERIFY2(shown[0]->findChild<QWidget *>(name), qPrintable(name));
    }
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &window)
            w->close();
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
