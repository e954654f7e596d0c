// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "countbox.h"
#include "multiroller.h"
#include "multirollerwindow.h"
#include "scriptedsource.h"
#include "widgettest.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

namespace {

// The request's view, in memory.
class Form final : public multiroller::View
{
public:
    std::string countText() const override { return count; }
    void setCountText(const std::string &text) override { count = text; }
    int selectedPosition() const override { return position; }
    void setTotalText(const std::string &text) override { total = text; }

    std::string count = multiroller::placeholder;
    int position = -1;
    std::string total = "TOTAL";
};

} // namespace

class TestMultiRoller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup() { flushDeletes(); }

    // The logic, without a window.
    void counts_data();
    void counts();
    void request_data();
    void request();
    void sumsAreExactPastSixteenBits_data();
    void sumsAreExactPastSixteenBits();
    void tenSidedStaysBelowTen();
    void userEdits_data();
    void userEdits();

    // The window.
    void loadsAsDesigned();
    void layout_data();
    void layout();
    void firstClickOnlyReplacesPlaceholder();
    void pickAndRoll();
    void typingIsLimitedToThree();
    void pasteIsCutToFit();
    void editHistory_data();
    void editHistory();
    void clickIntoPlaceholderSelectsIt();
    void enterPressesOnlyTheRollButton();
    void typingIntoDieBoxDropsTheSelection();
    void twoClicksAreIndependent();
};

void TestMultiRoller::counts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("number");
    // count text
    QTest::newRow("fraction floors") << "2.9" << 2 << true;
    QTest::newRow("blanks around") << " 3 " << 3 << true;
    QTest::newRow("tab around") << "\t4" << 4 << true;
    QTest::newRow("line end after, as a spreadsheet cell pastes") << "12\n" << 12 << true;
    QTest::newRow("tab before, CR LF after") << "\t5\r\n" << 5 << true;
    QTest::newRow("zero") << "0" << 0 << true;
    QTest::newRow("negative") << "-5" << -5 << true;
    QTest::newRow("leading point") << ".5" << 0 << true;
    QTest::newRow("negative half floors down") << "-.5" << -1 << true;
    QTest::newRow("trailing point") << "2." << 2 << true;
    QTest::newRow("exponent") << "1e2" << 100 << true;
    QTest::newRow("upper-case exponent") << "1E3" << 1000 << true;
    QTest::newRow("negative exponent") << "25e-1" << 2 << true;
    QTest::newRow("plus sign") << "+2" << 2 << true;
    // not a number
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("blank") << "   " << 0 << false;
    QTest::newRow("letters") << "abc" << 0 << false;
    QTest::newRow("hexadecimal") << "0x1" << 0 << false;
    QTest::newRow("inf") << "inf" << 0 << false;
    QTest::newRow("nan") << "nan" << 0 << false;
    QTest::newRow("comma decimal") << "1,5" << 0 << false;
    QTest::newRow("two signs") << "--1" << 0 << false;
    QTest::newRow("sign only") << "-" << 0 << false;
    QTest::newRow("point only") << "." << 0 << false;
    QTest::newRow("bare exponent") << "e5" << 0 << false;
    QTest::newRow("exponent without digits") << "1e" << 0 << false;
    QTest::newRow("blank inside") << "1 2" << 0 << false;
    QTest::newRow("line end inside") << "1\n2" << 0 << false;
    QTest::newRow("placeholder") << "# of Rolls" << 0 << false;
    // limits
    QTest::newRow("largest count") << "32767" << 32767 << true;
    QTest::newRow("past 16 bits") << "32768" << 0 << true;
    QTest::newRow("smallest count") << "-32768" << -32768 << true;
    QTest::newRow("below 16 bits") << "-32768.5" << 0 << true;
    QTest::newRow("huge exponent") << "9e9" << 0 << true;
    QTest::newRow("beyond a double") << "1e999" << 0 << false;
    QTest::newRow("too tiny for a double") << "1e-999" << 0 << false;
    QTest::newRow("too tiny, negative") << "-1e-999" << 0 << false;
}

void TestMultiRoller::counts()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(bool, number);
    const std::string s = text.toStdString();
    QCOMPARE(multiroller::countFor(s), count);
    QCOMPARE(multiroller::parseNumber(s).has_value(), number);
}

void TestMultiRoller::request_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("countAfter");
    QTest::addColumn<QString>("total");
    QTest::addColumn<int>("draws");
    QTest::newRow("untouched: placeholder replaced, nothing else") << "# of Rolls" << -1 << "0"
                                                                   << "TOTAL" << 0;
    QTest::newRow("d6 with placeholder") << "# of Rolls" << 1 << "0"
                                         << "0" << 0;
    QTest::newRow("other case is no placeholder") << "# OF ROLLS" << -1 << "# OF ROLLS"
                                                  << "TOTAL" << 0;
    QTest::newRow("lower case is no placeholder") << "# of rolls" << 1 << "# of rolls"
                                                  << "0" << 0;
    QTest::newRow("zero dice") << "0" << 2 << "0"
                               << "0" << 0;
    QTest::newRow("negative dice") << "-5" << 2 << "-5"
                                   << "0" << 0;
    QTest::newRow("half a die") << ".5" << 2 << ".5"
                                << "0" << 0;
    QTest::newRow("2.9 rolls two") << "2.9" << 0 << "2.9"
                                   << "2" << 2;
    QTest::newRow("blank 3 blank rolls three") << " 3 " << 0 << " 3 "
                                               << "3" << 3;
    QTest::newRow("1e2 rolls a hundred") << "1e2" << 0 << "1e2"
                                         << "100" << 100;
    QTest::newRow("+2 rolls two") << "+2" << 0 << "+2"
                                  << "2" << 2;
    QTest::newRow("not a number") << "x" << 0 << "x"
                                  << "0" << 0;
    QTest::newRow("too many") << "9e9" << 0 << "9e9"
                              << "0" << 0;
    QTest::newRow("no kind") << "5" << -1 << "5"
                             << "TOTAL" << 0;
    QTest::newRow("position past the list") << "5" << 7 << "5"
                                            << "TOTAL" << 0;
}

void TestMultiRoller::request()
{
    QFETCH(QString, count);
    QFETCH(int, position);
    QFETCH(QString, countAfter);
    QFETCH(QString, total);
    QFETCH(int, draws);
    Form form;
    form.count = count.toStdString();
    form.position = position;
    ScriptedSource source(std::vector<float>(200, 0.0f)); // every die shows its least face
    multiroller::roll(form, source);
    QCOMPARE(QString::fromStdString(form.count), countAfter);
    QCOMPARE(QString::fromStdString(form.total), total);
    QCOMPARE(int(source.taken()), draws);
}

void TestMultiRoller::sumsAreExactPastSixteenBits_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("total");
    QTest::newRow("999 x d100") << "999" << 6 << "99900";
    QTest::newRow("999 x d20") << "999" << 5 << "19980";
    QTest::newRow("1e4 x d100") << "1e4" << 6 << "1000000";
    QTest::newRow("largest count x d100") << "32767" << 6 << "3276700";
}

void TestMultiRoller::sumsAreExactPastSixteenBits()
{
    QFETCH(QString, count);
    QFETCH(int, position);
    QFETCH(QString, total);
    Form form;
    form.count = count.toStdString();
    form.position = position;
    ScriptedSource source(std::vector<float>(40000, largestDraw)); // every die at its highest
    multiroller::roll(form, source);
    QCOMPARE(QString::fromStdString(form.total), total);
}

void TestMultiRoller::tenSidedStaysBelowTen()
{
    Form form;
    form.count = "1";
    form.position = 3;
    ScriptedSource highest({largestDraw});
    multiroller::roll(form, highest);
    QCOMPARE(form.total, std::string("9"));
    ScriptedSource lowest({0.0f});
    multiroller::roll(form, lowest);
    QCOMPARE(form.total, std::string("0"));
}

void TestMultiRoller::userEdits_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("cursorShown");
    QTest::newRow("typing within limit") << "12"
                                         << "123" << 3 << "123" << 3;
    QTest::newRow("fourth character refused") << "123"
                                              << "1234" << 4 << "123" << 3;
    QTest::newRow("typing in the middle refused") << "123"
                                                  << "1923" << 2 << "123" << 1;
    QTest::newRow("paste cut to fit") << ""
                                      << "12345" << 5 << "123" << 3;
    QTest::newRow("paste into middle cut") << "13"
                                           << "1abc3" << 4 << "1a3" << 2;
    QTest::newRow("replace selection") << "123"
                                       << "9" << 1 << "9" << 1;
    QTest::newRow("deleting from long text") << "# of Rolls"
                                             << "# of Roll" << 9 << "# of Roll" << 9;
    QTest::newRow("typing at the placeholder's end replaces it") << "# of Rolls"
                                                                 << "# of Rolls5" << 11 << "5" << 1;
    QTest::newRow("typing inside the placeholder replaces it") << "# of Rolls"
                                                               << "# of R5olls" << 7 << "5" << 1;
    QTest::newRow("replacing all of the placeholder") << "# of Rolls"
                                                      << "5" << 1 << "5" << 1;
    QTest::newRow("replacing a word of the placeholder replaces all") << "# of Rolls"
                                                                      << "# of 5" << 6 << "5" << 1;
    QTest::newRow("a paste into the placeholder is cut to fit") << "# of Rolls"
                                                                << "12345 Rolls" << 5 << "123" << 3;
    QTest::newRow("typing into another long text refused")
        << "# of Roll"
        << "# of Roll5" << 10 << "# of Roll" << 9;
    QTest::newRow("same letter typed twice") << "11"
                                             << "111" << 3 << "111" << 3;
    QTest::newRow("same letter past limit") << "111"
                                            << "1111" << 2 << "111" << 1;
    // characters as a user sees them (cursors count them, not UTF-16 units)
    QTest::newRow("two emoji pasted, one fits whole")
        << "12" << QString::fromUtf8("12\U0001F600\U0001F600") << 4
        << QString::fromUtf8("12\U0001F600") << 3;
    QTest::newRow("an emoji after two fits")
        << "12" << QString::fromUtf8("12\U0001F600") << 3 << QString::fromUtf8("12\U0001F600") << 3;
    QTest::newRow("a line end is one character") << "5"
                                                 << "5\r\n"
                                                 << 2 << "5\r\n"
                                                 << 2;
}

void TestMultiRoller::userEdits()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, cursor);
    QFETCH(QString, shown);
    QFETCH(int, cursorShown);
    int caret = cursor;
    const multiroller::Characters result = multiroller::limitEdit(
        multiroller::characters(before), multiroller::characters(after), caret);
    QCOMPARE(result, multiroller::characters(shown));
    QCOMPARE(caret, cursorShown);
}

void TestMultiRoller::loadsAsDesigned()
{
    ScriptedSource source;
    MultiRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Muliple Dice Roller"));
    QCOMPARE(window.size(), QSize(172, 114));
    QComboBox *box = window.dieBox();
    QCOMPARE(box->count(), 7);
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    QCOMPARE(entries,
             (QStringList{"Die 4", "Die 6", "Die 8", "Die 10", "Die 12", "Die 20", "Die 100"}));
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), QStringLiteral("DIE"));
    QCOMPARE(window.countBox()->text(), QStringLiteral("# of Rolls"));
    QCOMPARE(window.totalLabel()->text(), QStringLiteral("TOTAL"));
    QVERIFY(QApplication::focusWidget() == box || QApplication::focusWidget() == box->lineEdit());
    QVERIFY(!window.rollButton()->isDefault() && !window.rollButton()->autoDefault());
    QCOMPARE(window.totalLabel()->font().pointSizeF(), 12.0);
    QVERIFY(window.totalLabel()->font().bold());
}

void TestMultiRoller::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("DieBox") << "DieBox" << QRect(8, 8, 89, 21);
    QTest::newRow("xRoll") << "xRoll" << QRect(104, 8, 57, 25);
    QTest::newRow("Roll") << "Roll" << QRect(8, 40, 153, 25);
    QTest::newRow("total") << "total" << QRect(8, 72, 153, 33);
}

void TestMultiRoller::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    ScriptedSource source;
    MultiRollerWindow window(source);
    QCOMPARE(child(window, qPrintable(name))->geometry(), pixels);
}

void TestMultiRoller::firstClickOnlyReplacesPlaceholder()
{
    ScriptedSource source;
    MultiRollerWindow window(source);
    window.show();
    QTest::mouseClick(window.rollButton(), Qt::LeftButton);
    QCOMPARE(window.countBox()->text(), QStringLiteral("0"));
    QCOMPARE(window.totalLabel()->text(), QStringLiteral("TOTAL"));
    QCOMPARE(source.taken(), 0u);
}

void TestMultiRoller::pickAndRoll()
{
    ScriptedSource source({0.0f, largestDraw, 0.5f});
    MultiRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Arrow keys pick entries: down twice from nothing is "Die 6".
    QTest::keyClick(window.dieBox(), Qt::Key_Down);
    QTest::keyClick(window.dieBox(), Qt::Key_Down);
    QCOMPARE(window.dieBox()->currentIndex(), 1);
    QCOMPARE(window.dieBox()->currentText(), QStringLiteral("Die 6"));
    window.countBox()->selectAll();
    QTest::keyClicks(window.countBox(), QStringLiteral("3"));
    const Announcements announcements;
    QTest::mouseClick(window.rollButton(), Qt::LeftButton);
    QCOMPARE(source.taken(), 3u);
    QCOMPARE(window.totalLabel()->text(), QStringLiteral("11")); // 1 + 6 + 4
    QCOMPARE(announcements.heard, QStringList{"3 six-sided dice: total 11"});
}

void TestMultiRoller::typingIsLimitedToThree()
{
    ScriptedSource source;
    MultiRollerWindow window(source);
    window.show();
    QLineEdit *count = window.countBox();
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("12345"));
    QCOMPARE(count->text(), QStringLiteral("123"));
    QTest::keyClick(count, Qt::Key_Backspace);
    QCOMPARE(count->text(), QStringLiteral("12"));
    QTest::keyClick(count, Qt::Key_Home);
    QTest::keyClicks(count, QStringLiteral("98"));
    QCOMPARE(count->text(), QStringLiteral("912"));
}

void TestMultiRoller::pasteIsCutToFit()
{
    ScriptedSource source;
    MultiRollerWindow window(source);
    window.show();
    QLineEdit *count = window.countBox();
    count->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("98765"));
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count->text(), QStringLiteral("987"));
    // With no room left, a paste adds nothing; deleting still works.
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count->text(), QStringLiteral("987"));
    QTest::keyClick(count, Qt::Key_Backspace);
    QCOMPARE(count->text(), QStringLiteral("98"));
    // Emoji are characters: one fits, whole, and nothing broken is left.
    QApplication::clipboard()->setText(QString::fromUtf8("\U0001F600\U0001F600"));
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count->text(), QString::fromUtf8("98\U0001F600"));
    QTest::keyClick(count, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(count->text(), QStringLiteral("98"));
}

void TestMultiRoller::editHistory_data()
{
    // Steps, from the count box as it opens (its placeholder, the caret at the end):
    // "type:TEXT", "paste:TEXT", "at:N" (the caret to N), "end", "bs" (Backspace), "^Z"
    // (Ctrl+Z), "^Y" (Ctrl+Y), "^+Z" (Ctrl+Shift+Z), "menu:undo" and "menu:redo" (from the
    // context menu), "roll" (the Roll button). Then the text shown, and whether the context
    // menu offers Undo and Redo.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("undo");
    QTest::addColumn<bool>("redo");
    QTest::newRow("nothing done") << ""
                                  << "# of Rolls" << false << false;
    QTest::newRow("typing inside the placeholder replaces it") << "at:3 type:7"
                                                               << "7" << true << false;
    QTest::newRow("undo brings the placeholder back") << "at:3 type:7 ^Z"
                                                      << "# of Rolls" << false << true;
    QTest::newRow("once shortened, the placeholder only shrinks") << "bs type:7"
                                                                  << "# of Roll" << true << false;
    QTest::newRow("each character is a step") << "type:12 ^Z"
                                              << "1" << true << true;
    QTest::newRow("a refused character adds no step") << "type:123 type:4 ^Z"
                                                      << "12" << true << true;
    QTest::newRow("a paste cut to fit is one step") << "paste:98765 ^Z"
                                                    << "# of Rolls" << false << true;
    QTest::newRow("Ctrl+Y redoes") << "type:12 ^Z ^Y"
                                   << "12" << true << false;
    QTest::newRow("Ctrl+Shift+Z redoes") << "type:12 ^Z ^+Z"
                                         << "12" << true << false;
    QTest::newRow("a new edit forgets what could be redone") << "type:12 ^Z type:5 ^Y"
                                                             << "15" << true << false;
    QTest::newRow("undo from the menu") << "type:12 menu:undo"
                                        << "1" << true << true;
    QTest::newRow("redo from the menu") << "type:12 ^Z menu:redo"
                                        << "12" << true << false;
    QTest::newRow("the program's text starts afresh") << "type:7 ^Z roll"
                                                      << "0" << false << false;
}

void TestMultiRoller::editHistory()
{
    QFETCH(QString, steps);
    QFETCH(QString, text);
    QFETCH(bool, undo);
    QFETCH(bool, redo);
    ScriptedSource source;
    MultiRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit *count = window.countBox();
    count->setFocus();
    count->end(false);
    // The context menu's Undo and Redo, while it is open.
    const auto withMenu = [count](const std::function<void(QAction * undo, QAction * redo)> &use) {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                count->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(count, &event);
        QMenu *menu = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *shown = qobject_cast<QMenu *>(w); shown && shown->isVisible())
                menu = shown;
        if (!menu)
            qFatal("no context menu");
        QAction *undo = nullptr, *redo = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith("&Undo"))
                undo = action;
            else if (action->text().startsWith("&Redo"))
                redo = action;
        }
        if (!undo || !redo)
            qFatal("no Undo or Redo in the context menu");
        use(undo, redo);
        menu->close();
    };
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
        const QString arg = step.section(':', 1);
        if (step.startsWith("type:"))
            QTest::keyClicks(count, arg);
        else if (step.startsWith("paste:")) {
            QApplication::clipboard()->setText(arg);
            QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
        } else if (step.startsWith("at:"))
            count->setCursorPosition(arg.toInt());
        else if (step == "end")
            QTest::keyClick(count, Qt::Key_End);
        else if (step == "bs")
            QTest::keyClick(count, Qt::Key_Backspace);
        else if (step == "^Z")
            QTest::keyClick(count, Qt::Key_Z, Qt::ControlModifier);
        else if (step == "^Y")
            QTest::keyClick(count, Qt::Key_Y, Qt::ControlModifier);
        else if (step == "^+Z")
            QTest::keyClick(count, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else if (step == "menu:undo" || step == "menu:redo")
            withMenu([&](QAction *u, QAction *r) { (step == "menu:undo" ? u : r)->trigger(); });
        else if (step == "roll")
            QTest::mouseClick(window.rollButton(), Qt::LeftButton);
        else
            QFAIL(qPrintable("unknown step " + step));
    }
    QCOMPARE(count->text(), text);
    withMenu([&](QAction *u, QAction *r) {
        QCOMPARE(u->isEnabled(), undo);
        QCOMPARE(r->isEnabled(), redo);
    });
}

void TestMultiRoller::clickIntoPlaceholderSelectsIt()
{
    ScriptedSource source(std::vector<float>(7, 0.0f));
    MultiRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit *count = window.countBox();
    QTest::mouseClick(count, Qt::LeftButton, {}, QPoint(count->width() - 4, count->height() / 2));
    QCOMPARE(count->selectedText(), QStringLiteral("# of Rolls"));
    QTest::keyClicks(count, QStringLiteral("7"));
    window.dieBox()->setCurrentIndex(0);
    QTest::mouseClick(window.rollButton(), Qt::LeftButton);
    QCOMPARE(window.totalLabel()->text(), QStringLiteral("7"));
    // Once the user has typed, a click places the cursor.
    QTest::mouseClick(count, Qt::LeftButton, {}, QPoint(2, count->height() / 2));
    QVERIFY(!count->hasSelectedText());
    QCOMPARE(count->cursorPosition(), 0);
}

void TestMultiRoller::enterPressesOnlyTheRollButton()
{
    ScriptedSource source;
    MultiRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.dieBox()->setCurrentIndex(1);
    window.countBox()->setText(QStringLiteral("5"));
    for (QLineEdit *field : {window.countBox(), window.dieBox()->lineEdit()}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    }
    QCOMPARE(source.taken(), 0u);
    window.rollButton()->setFocus();
    QTest::keyClick(window.rollButton(), Qt::Key_Return);
    QCOMPARE(source.taken(), 5u);
}

void TestMultiRoller::typingIntoDieBoxDropsTheSelection()
{
    ScriptedSource source;
    MultiRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.dieBox()->setCurrentIndex(6);
    QLineEdit *field = window.dieBox()->lineEdit();
    field->setFocus();
    field->end(false);
    QTest::keyClicks(field, QStringLiteral("0"));
    QCOMPARE(field->text(), QStringLiteral("Die 1000"));
    QCOMPARE(window.dieBox()->currentIndex(), -1);
    // Typing an entry's exact text selects nothing either.
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("Die 6"));
    window.countBox()->setText(QStringLiteral("5"));
    const Announcements announcements;
    QTest::mouseClick(window.rollButton(), Qt::LeftButton);
    QCOMPARE(announcements.heard, QStringList{"No die kind chosen: pick one from the list"});
    QCOMPARE(window.dieBox()->currentIndex(), -1);
    QCOMPARE(window.totalLabel()->text(), QStringLiteral("TOTAL"));
    QCOMPARE(source.taken(), 0u);
    QCOMPARE(window.dieBox()->count(), 7);
}

void TestMultiRoller::twoClicksAreIndependent()
{
    ScriptedSource source({largestDraw, largestDraw, 0.0f, 0.0f});
    MultiRollerWindow window(source);
    window.show();
    window.dieBox()->setCurrentIndex(5);
    window.countBox()->setText(QStringLiteral("2"));
    QTest::mouseClick(window.rollButton(), Qt::LeftButton);
    QCOMPARE(window.totalLabel()->text(), QStringLiteral("40"));
    QTest::mouseClick(window.rollButton(), Qt::LeftButton);
    QCOMPARE(window.totalLabel()->text(), QStringLiteral("2"));
}

QTEST_MAIN(TestMultiRoller)
#include "tst_multiroller.moc"
