// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "mainwindow.h"
#include "multirollerwindow.h"
#include "scriptedsource.h"
#include "startup.h"
#include "statrollerwindow.h"
#include "widgettest.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

Q_DECLARE_METATYPE(QAccessible::Role)

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
    void controlsStayPutWhenResized();

    void singleRoll_data();
    void singleRoll();
    void rollAll_data();
    void rollAll();
    void rollAllTakesEightDrawsInOrder();
    void indexWithoutDieDoesNothing();
    void singleRollChangesOnlyItsButton();

    void freshRunKnownAnswers_data();
    void freshRunKnownAnswers();
    void rollElsewhereShiftsTheSequence();

    void windowButtonKeepsItsWindow_data();
    void windowButtonKeepsItsWindow();
    void everyControlIsHeard_data();
    void everyControlIsHeard();
};

namespace {
const QStringList initialCaptions = {"4", "6", "8", "10", "12", "20", "%", "100"};

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
    QCOMPARE(accessibleText(button, QAccessible::Name), caption);
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

void TestMainWindow::freshRunKnownAnswers_data()
{
    // Clicks on die buttons (by index) or on Roll All (-1), and each clicked button's
    // caption after its click, from the program's own never-seeded source.
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("the first Roll All of a run")
        << QList<int>{-1} << QStringList{"4 1 8 9 2 20 90 23"};
    QTest::newRow("single rolls, then Roll All")
        << QList<int>{9, 3, 3, 8, 0, 9, -1}
        << QStringList{"82", "1", "9", "80", "1", "97", "4 2 6 4 2 11 20 19"};
}

void TestMainWindow::freshRunKnownAnswers()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, shown);
    dice::MersenneSource source;
    MainWindow window(source);
    window.show();
    QStringList seen;
    for (int index : clicks) {
        if (index < 0) {
            QTest::mouseClick(child<QPushButton>(window, "RA"), Qt::LeftButton);
            seen << captions(window).join(' ');
        } else {
            QTest::mouseClick(window.dieButton(short(index)), Qt::LeftButton);
            seen << window.dieButton(short(index))->text();
        }
    }
    QCOMPARE(seen, shown);
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
            auto *stats = shownWindow<StatRollerWindow>("CharStat");
            QTest::mouseClick(stats->reRollButton(1), Qt::LeftButton);
            closeWindowsBut(&window);
        }
        QTest::mouseClick(window.dieButton(9), Qt::LeftButton);
        return window.dieButton(9)->text();
    };
    // Plain run: draws 1 and 2 go to the d100. With a stat row between, draw 6 does.
    QCOMPARE(secondD100(false), QStringLiteral("14"));
    QCOMPARE(secondD100(true), QStringLiteral("97"));
}

namespace {

// Every text a window shows, control by control.
QStringList texts(const QWidget *window)
{
    QStringList shown;
    for (const QWidget *w : window->findChildren<QWidget *>())
        shown << caption(w);
    return shown;
}

} // namespace

void TestMainWindow::windowButtonKeepsItsWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("roll"); // the button in the window that rolls, if any
    QTest::newRow("Character Stat Roller") << "CharShow"
                                           << "CharStat"
                                           << "Command1";
    QTest::newRow("Multiple Dice Roller") << "AdShow"
                                          << "ADDice"
                                          << "Roll";
    QTest::newRow("About") << "AbShow"
                           << "About"
                           << "";
}

void TestMainWindow::windowButtonKeepsItsWindow()
{
    // A second click leaves the open window and what it shows; once closed, the window
    // opens afresh.
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QString, roll);
    ScriptedSource source(std::vector<float>(24, 0.99f));
    MainWindow main(source);
    main.show();
    const auto click = [&] {
        QTest::mouseClick(child<QPushButton>(main, qPrintable(button)), Qt::LeftButton);
    };
    click();
    const QPointer<QWidget> first = shownWindow(qPrintable(window));
    QVERIFY(first);
    const QStringList fresh = texts(first);
    if (auto *multi = qobject_cast<MultiRollerWindow *>(first)) {
        multi->dieBox()->setCurrentIndex(1);
        multi->countBox()->setText(QStringLiteral("2"));
    }
    if (!roll.isEmpty())
        QTest::mouseClick(child<QPushButton>(*first, qPrintable(roll)), Qt::LeftButton);
    const QStringList rolled = texts(first);
    QVERIFY(roll.isEmpty() || rolled != fresh);

    click();
    QCOMPARE(shownWindow(qPrintable(window)), first.data());
    QCOMPARE(texts(first), rolled);

    first->close();
    flushDeletes();
    QVERIFY(first.isNull());
    click();
    QCOMPARE(texts(shownWindow(qPrintable(window))), fresh);
    closeWindowsBut(&main);
}

void TestMainWindow::everyControlIsHeard_data()
{
    // What a screen reader learns of each window and control: its role, its name (for a
    // combo box, that of its label, as screen readers on Linux take it) and its description.
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control"); // empty: the window itself
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    using A = QAccessible;
    const auto row = [](const char *window, const QString &control, A::Role role,
                        const QString &name, const QString &description) {
        QTest::addRow("%s %s", window, qPrintable(control.isEmpty() ? "window" : control))
            << window << control << role << name << description;
    };
    row("Main", "", A::Window, "Quandrel", "");
    const char *kinds[] = {"four",   "six",    "eight",           "ten",
                           "twelve", "twenty", "percentile tens", "hundred"};
    for (int i = 0; i < 8; ++i)
        row("Main", QStringLiteral("Die%1").arg(dieIndexes[i]), A::Button, initialCaptions[i],
            QString::fromLatin1(kinds[i]) + (i == 6 ? " die" : "-sided die"));
    row("Main", "RA", A::Button, "Roll All", "rolls all eight dice");
    row("Main", "CharShow", A::Button, "Character Stat Roller", "opens its window");
    row("Main", "AdShow", A::Button, "Multiple Dice Roller", "opens its window");
    row("Main", "AbShow", A::Button, "About", "opens the About window");

    row("CharStat", "", A::Window, "Character Stat Roller", "");
    for (int k = 1; k <= 6; ++k) {
        for (int j = 0; j < 4; ++j)
            row("CharStat", QStringLiteral("R%1_%2").arg(k).arg(j), A::StaticText,
                QString::number(j + 1), QStringLiteral("row %1, die %2").arg(k).arg(j + 1));
        row("CharStat", QStringLiteral("T%1").arg(k - 1), A::StaticText, "18",
            QStringLiteral("row %1 total").arg(k));
        row("CharStat", QStringLiteral("RRol%1").arg(k - 1), A::Button, "Re-Roll",
            QStringLiteral("Re-roll row %1").arg(k));
    }
    row("CharStat", "Command1", A::Button, "Roll All", "rolls all six rows");

    row("ADDice", "", A::Window, "Muliple Dice Roller", "");
    row("ADDice", "DieBox", A::ComboBox, "Die kind", "pick one from the list");
    row("ADDice", "xRoll", A::EditableText, "Number of rolls", "up to three characters");
    row("ADDice", "total", A::StaticText, "TOTAL", "sum of the dice");
    row("ADDice", "Roll", A::Button, "Roll", "rolls the dice and shows their sum");

    row("About", "", A::Dialog, "About Quandrel", "Quandrel. Version 1.7.0");
    row("About", "cmdOK", A::Button, "OK", "closes the About window");
    row("About", "picIcon0", A::Graphic, "Program icon", "a red die with a yellow 7");
    row("About", "lblDescription", A::StaticText, "Designed and programmed by the Quandrel authors",
        "credit");
    row("About", "lblDisclaimer", A::StaticText, "", "empty");
    row("About", "lblTitle", A::StaticText, "Quandrel", "program");
    row("About", "lblVersion", A::StaticText, "Version 1.7.0", "version");
    row("About", "picIcon1", A::Graphic, "Die icon", "the red die, its 7 outlined");
}

void TestMainWindow::everyControlIsHeard()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    ScriptedSource source;
    MainWindow main(source);
    main.show();
    const char *opens[][2] = {{"CharStat", "CharShow"}, {"ADDice", "AdShow"}, {"About", "AbShow"}};
    for (const auto &[shown, button] : opens)
        if (window == QLatin1String(shown))
            QTest::mouseClick(child<QPushButton>(main, button), Qt::LeftButton);
    QWidget *top = shownWindow(qPrintable(window));
    QVERIFY(top);
    QWidget *widget = control.isEmpty() ? top : child(*top, qPrintable(control));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->role(), role);
    const auto labels = iface->relations(QAccessible::Label);
    QCOMPARE(labels.isEmpty() ? iface->text(QAccessible::Name)
                              : labels[0].first->text(QAccessible::Name),
             name);
    QCOMPARE(iface->text(QAccessible::Description), description);
    if (control.isEmpty()) {
        // Every control the user meets has a description.
        for (QWidget *w : top->findChildren<QWidget *>()) {
            QAccessibleInterface *c = QAccessible::queryAccessibleInterface(w);
            if (w->isVisible() && c && w->parentWidget() == top &&
                QList{QAccessible::Button, QAccessible::StaticText, QAccessible::EditableText,
                      QAccessible::ComboBox, QAccessible::Graphic}
                    .contains(c->role()))
                QVERIFY2(!c->text(QAccessible::Description).isEmpty(), qPrintable(w->objectName()));
        }
    }
    closeWindowsBut(&main);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
