// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/mainwindow.h"
#include "app/picturebutton.h"
#include "multiroller/multirollerwindow.h"
#include "statroller/statrollerwindow.h"
#include "support/programend.h"
#include "support/scriptedsource.h"
#include "support/widgettest.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(QAccessible::Role)

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup() { flushDeletes(); }

    void startsAsDesigned();
    void layout_data();
    void layout();
    void tabOrder_data();
    void tabOrder();

    void rolls_data();
    void rolls();
    void freshRunKnownAnswers_data();
    void freshRunKnownAnswers();

    void windowButtonKeepsItsWindow_data();
    void windowButtonKeepsItsWindow();
    void everyControlIsHeard_data();
    void everyControlIsHeard();
};

namespace {

// The die buttons' captions, in Roll All order, joined by blanks.
QString captions(const MainWindow &window)
{
    QStringList list;
    for (const TestDie &d : testDice)
        list << window.dieButton(d.index)->caption();
    return list.join(' ');
}

const QString initialCaptions = QStringLiteral("4 6 8 10 12 20 % 100");

// Every text a window shows, control by control.
QStringList texts(const QWidget *window)
{
    QStringList shown;
    for (const QWidget *w : window->findChildren<QWidget *>())
        shown << caption(w);
    return shown;
}

} // namespace

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
    QCOMPARE(source.taken(), 0u);
    QCOMPARE(accessibleText(&window, QAccessible::Name), QStringLiteral("Quandrel"));
    // The other windows are made when first asked for, not before.
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{&window});
    // What the desktop is told: the program's name and version, its desktop entry, and an
    // icon in every size a window or a task bar asks for.
    QCOMPARE(QApplication::applicationName(), window.windowTitle());
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral(QUANDREL_VERSION));
    QCOMPARE(QApplication::desktopFileName(), QStringLiteral("org.quandrel.Quandrel"));
    QCOMPARE(window.windowIcon().availableSizes(),
             (QList<QSize>{QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48),
                           QSize(64, 64), QSize(128, 128)}));
}

void TestMainWindow::layout_data()
{
    // Each window's controls: where they stand in pixels, their font's points and weight, and
    // how a label aligns its text.
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("alignment"); // Qt::Alignment; 0 for a control that is no label
    const auto row = [](const char *window, const char *control, QRect pixels, double points,
                        bool bold = false, Qt::Alignment alignment = {}) {
        QTest::addRow("%s %s", window, control)
            << window << control << pixels << points << bold << int(alignment);
    };
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    // clang-format off
    for (int i = 0; i < 6; ++i)
        row("Main", qPrintable(QStringLiteral("Die%1").arg(i)), QRect(8 + 80 * i, 8, 73, 113), 13.5);
    row("Main", "Die8", QRect(488, 8, 73, 113), 13.5);
    row("Main", "Die9", QRect(568, 8, 97, 113), 13.5); // wider
    row("Main", "RA", QRect(8, 128, 657, 25), 12.0, true);
    row("Main", "CharShow", QRect(8, 160, 241, 25), 8.25);
    row("Main", "AbShow", QRect(256, 160, 161, 25), 8.25);
    row("Main", "AdShow", QRect(424, 160, 241, 25), 8.25);
    row("CharStat", "R1_0", QRect(24, 24, 33, 17), 9.75, true, Qt::AlignCenter);
    row("CharStat", "R1_3", QRect(168, 24, 33, 17), 9.75, true, Qt::AlignCenter);
    row("CharStat", "R6_0", QRect(24, 304, 33, 17), 9.75, true, Qt::AlignCenter);
    row("CharStat", "T0", QRect(224, 24, 89, 17), 9.75, true, Qt::AlignCenter);
    row("CharStat", "T5", QRect(224, 304, 89, 17), 9.75, true, Qt::AlignCenter);
    row("CharStat", "RRol0", QRect(328, 16, 97, 33), 8.25);
    row("CharStat", "RRol5", QRect(328, 296, 97, 33), 8.25);
    row("CharStat", "Command1", QRect(8, 344, 425, 20), 12.0);
    row("ADDice", "DieBox", QRect(8, 8, 89, 21), 8.25);
    row("ADDice", "xRoll", QRect(104, 8, 57, 25), 8.25);
    row("ADDice", "Roll", QRect(8, 40, 153, 25), 8.25);
    row("ADDice", "total", QRect(8, 72, 153, 33), 12.0, true, Qt::AlignHCenter | Qt::AlignTop);
    row("About", "cmdOK", QRect(288, 120, 84, 23), 8.25);
    row("About", "picIcon0", QRect(16, 16, 32, 32), 8.25);
    row("About", "picIcon1", QRect(16, 48, 32, 32), 8.25);
    row("About", "lblDescription", QRect(70, 75, 259, 30), 8.25, false, topLeft);
    row("About", "lblDisclaimer", QRect(16, 120, 258, 31), 8.25, false, topLeft);
    row("About", "lblTitle", QRect(70, 16, 259, 32), 8.25, false, topLeft);
    row("About", "lblVersion", QRect(70, 52, 259, 15), 8.25, false, topLeft);
    // clang-format on
}

void TestMainWindow::layout()
{
    // Each control stands where the row says, also once its window is made larger or smaller
    // (nothing moves), in the row's font, which resolves to the design's metric-compatible
    // family.
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(int, alignment);
    ScriptedSource source;
    MainWindow main(source);
    main.show();
    QWidget *top = openWindow(main, window);
    QVERIFY(top);
    const auto *w = child(*top, qPrintable(control));
    for (const QSize size : {top->size(), top->size() * 2, top->size() / 2}) {
        top->resize(size);
        QCOMPARE(w->geometry(), pixels);
    }
    QCOMPARE(w->font().pointSizeF(), points);
    QCOMPARE(w->font().bold(), bold);
    QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("Liberation Sans"));
    if (auto *label = qobject_cast<const QLabel *>(w); label && alignment)
        QCOMPARE(int(label->alignment()), alignment);
    closeWindowsBut(&main);
}

void TestMainWindow::tabOrder_data()
{
    // Where the focus is as each window opens, then at each press of Tab, back to the start.
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("main window") << "Main"
                                 << QStringList{"Die0", "Die1", "Die2",     "Die3",   "Die4",
                                                "Die5", "Die8", "Die9",     "RA",     "CharShow",
                                                "AdShow", "AbShow", "Die0"};
    QTest::newRow("stat roller") << "CharStat"
                                 << QStringList{"Command1", "RRol0", "RRol1", "RRol2",
                                                "RRol3",    "RRol4", "RRol5", "Command1"};
    QTest::newRow("multiple roller") << "ADDice" << QStringList{"DieBox", "xRoll", "Roll", "DieBox"};
    QTest::newRow("about") << "About" << QStringList{"cmdOK", "cmdOK"};
}

void TestMainWindow::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    ScriptedSource source;
    MainWindow main(source);
    main.show();
    QWidget *top = openWindow(main, window);
    QVERIFY(QTest::qWaitForWindowActive(top));
    // A combo box's field stands for the box.
    const auto focused = [] {
        QWidget *focus = QApplication::focusWidget();
        return (focus->objectName().isEmpty() ? focus->parentWidget() : focus)->objectName();
    };
    QStringList seen{focused()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << focused();
    }
    QCOMPARE(seen, order);
    closeWindowsBut(&main);
}

void TestMainWindow::rolls_data()
{
    // Actions: "cN" clicks the die button with index N, "oN" presses it and lets go off it,
    // "eN" and "kN" press Enter and keypad Enter on it, "pN" presses it as assistive
    // technology does, "aN" clicks it with its focus while another window is active, "all"
    // clicks Roll All, "rN" asks for index N to be rolled. Then the captions shown, the draws
    // taken and what a screen reader was told. A click that gives a die the focus tells
    // nothing: the screen reader speaks the newly focused die, its result in its name.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("taken");
    QTest::addColumn<QStringList>("heard");
    const float top = largestDraw;
    const QList<float> least(8, 0.0f);
    const QString leastAll = "d4: 1, d6: 1, d8: 1, d10: 1, d12: 1, d20: 1, percentile: 00, d100: 1";
    // clang-format off
    QTest::newRow("each die clicked, least: d10 shows 0, percentile 00") << "c0 c1 c2 c3 c4 c5 c8 c9" << least << "1 1 1 0 1 1 00 1" << 8 << QStringList{"four-sided die: 1"};
    QTest::newRow("each die clicked, greatest: d10 shows 9") << "c0 c1 c2 c3 c4 c5 c8 c9" << QList<float>(8, top) << "4 6 8 9 12 20 90 100" << 8 << QStringList{"four-sided die: 4"};
    QTest::newRow("percentile forty") << "c8" << QList{0.4f} << "4 6 8 10 12 20 40 100" << 1 << QStringList();
    QTest::newRow("a second click on a die is told") << "c9 c9" << QList{0.0f, top} << "4 6 8 10 12 20 % 100" << 2 << QStringList{"hundred-sided die: 100"};
    QTest::newRow("d6 by Enter on it") << "e1" << QList{0.0f} << "4 1 8 10 12 20 % 100" << 1 << QStringList{"six-sided die: 1"};
    QTest::newRow("percentile by keypad Enter") << "k8" << QList{0.0f} << "4 6 8 10 12 20 00 100" << 1 << QStringList{"percentile tens die: 00"};
    QTest::newRow("d20 clicked with the focus, the window inactive") << "a5" << QList{0.0f} << "4 6 8 10 12 1 % 100" << 1 << QStringList{"twenty-sided die: 1"};
    QTest::newRow("d12 pressed by assistive technology") << "p4" << QList{0.0f} << "4 6 8 10 1 20 % 100" << 1 << QStringList{"twelve-sided die: 1"};
    QTest::newRow("Roll All least, twice: d10 shows 1, told twice") << "all all" << least + least << "1 1 1 1 1 1 00 1" << 16 << QStringList{leastAll, leastAll};
    QTest::newRow("Roll All greatest: d10 shows 10") << "all" << QList<float>(8, top) << "4 6 8 10 12 20 90 100" << 8 << QStringList{"d4: 4, d6: 6, d8: 8, d10: 10, d12: 12, d20: 20, percentile: 90, d100: 100"};
    QTest::newRow("Roll All gives draw k to the k-th die") << "all" << QList{0.0f, top, 0.0f, top, 0.0f, top, 0.0f, top} << "1 6 1 10 1 20 00 100" << 8 << QStringList{"d4: 1, d6: 6, d8: 1, d10: 10, d12: 1, d20: 20, percentile: 00, d100: 100"};
    QTest::newRow("a roll after Roll All changes its button only") << "all e5" << least + QList{top} << "1 1 1 1 1 20 00 1" << 9 << QStringList{leastAll, "twenty-sided die: 20"};
    QTest::newRow("a press released off the die does nothing") << "o2" << QList<float>() << initialCaptions << 0 << QStringList();
    QTest::newRow("an index without a die does nothing") << "r-1 r6 r7 r10 r32767" << QList<float>() << initialCaptions << 0 << QStringList();
    // clang-format on
}

void TestMainWindow::rolls()
{
    QFETCH(QString, actions);
    QFETCH(QList<float>, draws);
    QFETCH(QString, shown);
    QFETCH(int, taken);
    QFETCH(QStringList, heard);
    ScriptedSource source({draws.begin(), draws.end()});
    MainWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const Announcements announcements;
    for (const QString &action : actions.split(' ')) {
        const auto index = action.mid(1).toShort();
        PictureButton *button = window.dieButton(index);
        if (action == QLatin1String("all")) {
            QTest::mouseClick(child<QPushButton>(window, "RA"), Qt::LeftButton);
        } else if (action.startsWith('r')) {
            window.rollDie(index);
            QVERIFY(!button);
        } else if (action.startsWith('c')) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), button); // the focus follows the click
        } else if (action.startsWith('o')) {
            QTest::mousePress(button, Qt::LeftButton);
            QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-4, -4));
            QCOMPARE(QApplication::focusWidget(), window.dieButton(0)); // where it was
        } else if (action.startsWith('a')) {
            button->setFocus();
            QWidget other;
            other.show();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            [[maybe_unused]] const QString name = accessibleText(button, QAccessible::Name);
            QTest::mouseClick(button, Qt::LeftButton);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
            // A screen reader presenting the die as the focus comes back may read its name
            // after the roll: it gives the face the die had, until the result is read out.
            QCOMPARE(accessibleText(button, QAccessible::Name), name);
            for (QObject *notice : window.findChild<QWidget *>("announcements")->children())
                QAccessible::queryAccessibleInterface(notice)->relations(); // read out
#endif
        } else if (action.startsWith('p')) {
            const std::size_t before = source.taken();
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
            iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_COMPARE(source.taken(), before + 1);
        } else {
            const bool keypad = action.startsWith('k');
            button->setFocus();
            QTest::keyClick(button, keypad ? Qt::Key_Enter : Qt::Key_Return,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
        }
    }
    QCOMPARE(captions(window), shown);
    QCOMPARE(int(source.taken()), taken);
    QCOMPARE(announcements.heard, heard);
    // Each die is named by its kind and what it shows.
    for (const TestDie &d : testDice)
        QCOMPARE(accessibleText(window.dieButton(d.index), QAccessible::Name),
                 QStringLiteral("%1: %2").arg(d.kind, window.dieButton(d.index)->caption()));
}

void TestMainWindow::freshRunKnownAnswers_data()
{
    // Clicks on die buttons (by index), on Roll All ("all") or on the stat roller's second
    // Re-Roll ("row 2"), from the program's own never-seeded source, and what each click
    // shows: the clicked die's caption, all eight, or the row's faces and total.
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("shown");
    // clang-format off
    QTest::newRow("the first Roll All of a run") << QStringList{"all"} << QStringList{"4 1 8 9 2 20 90 23"};
    QTest::newRow("single rolls, then Roll All") << QStringList{"9", "3", "3", "8", "0", "9", "all"} << QStringList{"82", "1", "9", "80", "1", "97", "4 2 6 4 2 11 20 19"};
    QTest::newRow("d100 twice: draws 1 and 2") << QStringList{"9", "9"} << QStringList{"82", "14"};
    QTest::newRow("a stat row between takes draws 2 to 5") << QStringList{"9", "row 2", "9"} << QStringList{"82", "1 6 6 1 13", "97"};
    // clang-format on
}

void TestMainWindow::freshRunKnownAnswers()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, shown);
    dice::MersenneSource source;
    MainWindow window(source);
    window.show();
    QStringList seen;
    for (const QString &click : clicks) {
        if (click == QLatin1String("all")) {
            QTest::mouseClick(child<QPushButton>(window, "RA"), Qt::LeftButton);
            seen << captions(window);
        } else if (click == QLatin1String("row 2")) {
            QTest::mouseClick(child<QPushButton>(window, "CharShow"), Qt::LeftButton);
            auto *stats = shownWindow<StatRollerWindow>("CharStat");
            QTest::mouseClick(stats->reRollButton(1), Qt::LeftButton);
            QStringList row;
            for (int j = 0; j < 4; ++j)
                row << stats->faceLabel(1, j)->text();
            seen << (row << stats->totalLabel(1)->text()).join(' ');
            closeWindowsBut(&window);
        } else {
            PictureButton *die = window.dieButton(click.toShort());
            QTest::mouseClick(die, Qt::LeftButton);
            seen << die->caption();
        }
    }
    QCOMPARE(seen, shown);
}

void TestMainWindow::windowButtonKeepsItsWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("roll"); // the button in the window that rolls, if any
    QTest::newRow("Character Stat Roller") << "CharStat" << "Command1";
    QTest::newRow("Multiple Dice Roller") << "ADDice" << "Roll";
    QTest::newRow("About") << "About" << "";
}

void TestMainWindow::windowButtonKeepsItsWindow()
{
    // A second click leaves the open window and what it shows, and brings it back from
    // minimised; once closed, the window opens afresh. With the window open, closing the
    // main window leaves the program running until that window closes too.
    QFETCH(QString, window);
    QFETCH(QString, roll);
    ScriptedSource source(std::vector<float>(24, 0.99f));
    MainWindow main(source);
    main.show();
    const QPointer<QWidget> first = openWindow(main, window);
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

    first->showMinimized();
    QCOMPARE(openWindow(main, window), first.data());
    QVERIFY(!first->isMinimized());
    QCOMPARE(texts(first), rolled);

    first->close();
    flushDeletes();
    QVERIFY(first.isNull());
    QWidget *again = openWindow(main, window);
    QCOMPARE(texts(again), fresh);
    QVERIFY(runsOnUntilLastWindowCloses(&main, again, [again] { again->close(); }));
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
    for (const TestDie &d : testDice)
        row("Main", QStringLiteral("Die%1").arg(d.index), A::Button,
            QStringLiteral("%1: %2").arg(d.kind, d.caption), "a click rolls it");
    // clang-format off
    row("Main", "RA", A::Button, "Roll All", "rolls all eight dice");
    row("Main", "CharShow", A::Button, "Character Stat Roller", "opens its window");
    row("Main", "AdShow", A::Button, "Multiple Dice Roller", "opens its window");
    row("Main", "AbShow", A::Button, "About", "opens the About window");
    // clang-format on

    row("CharStat", "", A::Window, "Character Stat Roller", "");
    for (int k = 1; k <= 6; ++k) {
        for (int j = 0; j < 4; ++j)
            row("CharStat", QStringLiteral("R%1_%2").arg(k).arg(j), A::StaticText,
                QStringLiteral("row %1, die %2: %3").arg(k).arg(j + 1).arg(j + 1),
                "one of the row's four dice");
        row("CharStat", QStringLiteral("T%1").arg(k - 1), A::StaticText,
            QStringLiteral("row %1 total: 18").arg(k), "the sum of the row's three highest dice");
        row("CharStat", QStringLiteral("RRol%1").arg(k - 1), A::Button,
            QStringLiteral("Re-Roll row %1").arg(k), "rolls the row's four dice again");
    }
    // clang-format off
    row("CharStat", "Command1", A::Button, "Roll All", "rolls all six rows");

    row("ADDice", "", A::Window, "Muliple Dice Roller", "");
    row("ADDice", "DieBox", A::ComboBox, "Die kind", "pick one from the list");
    row("ADDice", "xRoll", A::EditableText, "Number of rolls", "up to three characters");
    row("ADDice", "total", A::StaticText, "TOTAL", "sum of the dice");
    row("ADDice", "Roll", A::Button, "Roll", "rolls the dice and shows their sum");

    row("About", "", A::Dialog, "About Quandrel", "");
    row("About", "cmdOK", A::Button, "OK", "closes the About window");
    row("About", "picIcon0", A::Graphic, "Program icon", "a red die with a yellow 7");
    row("About", "lblDescription", A::StaticText, "Designed and programmed by the Quandrel authors", "credit");
    row("About", "lblDisclaimer", A::StaticText, "", "empty");
    row("About", "lblTitle", A::StaticText, "Quandrel", "program");
    row("About", "lblVersion", A::StaticText, "Quandrel Version " QUANDREL_VERSION, "version");
    row("About", "picIcon1", A::Graphic, "Die icon", "the red die, its 7 outlined");
    // clang-format on
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
    QWidget *top = openWindow(main, window);
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
