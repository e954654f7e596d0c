// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "multiroller/countbox.h"
#include "multiroller/countedit.h"
#include "multiroller/multiroller.h"
#include "multiroller/multirollerwindow.h"
#include "support/scriptedsource.h"
#include "support/widgettest.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>

Q_DECLARE_METATYPE(QAccessible::TextBoundaryType)

namespace {

// The request's view, in memory.
class Form final : public multiroller::View
{
public:
    std::string placeholder() const override { return "# of Rolls"; }
    std::string countText() const override { return count; }
    void setCountText(const std::string &text) override { count = text; }
    int selectedPosition() const override { return position; }
    void setTotalText(const std::string &text) override { total = text; }

    std::string count = "# of Rolls";
    int position = -1;
    std::string total = "TOTAL";
};

const QString grin = QString::fromUtf8("\U0001F600");

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
    void userEdits_data();
    void userEdits();

    // The window.
    void loadsAsDesigned();
    void countBoxText_data();
    void countBoxText();
    void interaction_data();
    void interaction();
};

void TestMultiRoller::counts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("number");
    // clang-format off
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
    // clang-format on
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
    // A request from a count text and a list position, every die drawing `draw`; then the
    // count text, the total, the draws taken and what the request says it did.
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("countAfter");
    QTest::addColumn<QString>("total");
    QTest::addColumn<int>("draws");
    QTest::addColumn<QString>("outcome");
    const float top = largestDraw;
    // clang-format off
    QTest::newRow("untouched: placeholder replaced, nothing else") << "# of Rolls" << -1 << 0.0f << "0" << "TOTAL" << 0 << "no kind";
    QTest::newRow("d6 with placeholder") << "# of Rolls" << 1 << 0.0f << "0" << "0" << 0 << "rolled 0";
    QTest::newRow("other case is no placeholder") << "# OF ROLLS" << -1 << 0.0f << "# OF ROLLS" << "TOTAL" << 0 << "no kind";
    QTest::newRow("lower case is no placeholder") << "# of rolls" << 1 << 0.0f << "# of rolls" << "0" << 0 << "not a number";
    QTest::newRow("empty: no number") << "" << 1 << 0.0f << "" << "0" << 0 << "not a number";
    QTest::newRow("zero dice") << "0" << 2 << 0.0f << "0" << "0" << 0 << "rolled 0";
    QTest::newRow("negative dice") << "-5" << 2 << 0.0f << "-5" << "0" << 0 << "rolled 0";
    QTest::newRow("half a die") << ".5" << 2 << 0.0f << ".5" << "0" << 0 << "rolled 0";
    QTest::newRow("2.9 rolls two") << "2.9" << 0 << 0.0f << "2.9" << "2" << 2 << "rolled 2";
    QTest::newRow("blank 3 blank rolls three") << " 3 " << 0 << 0.0f << " 3 " << "3" << 3 << "rolled 3";
    QTest::newRow("1e2 rolls a hundred") << "1e2" << 0 << 0.0f << "1e2" << "100" << 100 << "rolled 100";
    QTest::newRow("+2 rolls two") << "+2" << 0 << 0.0f << "+2" << "2" << 2 << "rolled 2";
    QTest::newRow("not a number") << "x" << 0 << 0.0f << "x" << "0" << 0 << "not a number";
    QTest::newRow("too many") << "9e9" << 0 << 0.0f << "9e9" << "0" << 0 << "out of range";
    QTest::newRow("too few") << "-40000" << 0 << 0.0f << "-40000" << "0" << 0 << "out of range";
    QTest::newRow("no kind") << "5" << -1 << 0.0f << "5" << "TOTAL" << 0 << "no kind";
    QTest::newRow("position past the list") << "5" << 7 << 0.0f << "5" << "TOTAL" << 0 << "no kind";
    QTest::newRow("Die 10 least shows 0") << "1" << 3 << 0.0f << "1" << "0" << 1 << "rolled 1";
    QTest::newRow("Die 10 greatest shows 9") << "1" << 3 << top << "1" << "9" << 1 << "rolled 1";
    // sums are exact past 16 bits
    QTest::newRow("999 x d20 stays within 16 bits") << "999" << 5 << top << "999" << "19980" << 999 << "rolled 999";
    QTest::newRow("999 x d100") << "999" << 6 << top << "999" << "99900" << 999 << "rolled 999";
    QTest::newRow("1e4 x d100") << "1e4" << 6 << top << "1e4" << "1000000" << 10000 << "rolled 10000";
    QTest::newRow("largest count x d100") << "32767" << 6 << top << "32767" << "3276700" << 32767 << "rolled 32767";
    // clang-format on
}

void TestMultiRoller::request()
{
    QFETCH(QString, count);
    QFETCH(int, position);
    QFETCH(float, draw);
    QFETCH(QString, countAfter);
    QFETCH(QString, total);
    QFETCH(int, draws);
    QFETCH(QString, outcome);
    Form form;
    form.count = count.toStdString();
    form.position = position;
    ScriptedSource source(std::vector<float>(40000, draw));
    const multiroller::Request request = multiroller::roll(form, source);
    QCOMPARE(QString::fromStdString(form.count), countAfter);
    QCOMPARE(QString::fromStdString(form.total), total);
    QCOMPARE(int(source.taken()), draws);
    using Outcome = multiroller::Request::Outcome;
    const QHash<Outcome, QString> outcomes = {{Outcome::Rolled, "rolled %1"},
                                              {Outcome::NoKind, "no kind"},
                                              {Outcome::NotANumber, "not a number"},
                                              {Outcome::OutOfRange, "out of range"}};
    QCOMPARE(outcomes[request.outcome].arg(request.dice), outcome);
}

void TestMultiRoller::userEdits_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("cursorShown");
    QTest::addColumn<bool>("refused"); // some of the insertion was left out
    // clang-format off
    QTest::newRow("typing within limit") << "12" << "123" << 3 << "123" << 3 << false;
    QTest::newRow("fourth character refused") << "123" << "1234" << 4 << "123" << 3 << true;
    QTest::newRow("typing in the middle refused") << "123" << "1923" << 2 << "123" << 1 << true;
    QTest::newRow("paste cut to fit") << "" << "12345" << 5 << "123" << 3 << true;
    QTest::newRow("paste into middle cut") << "13" << "1abc3" << 4 << "1a3" << 2 << true;
    QTest::newRow("replace selection") << "123" << "9" << 1 << "9" << 1 << false;
    QTest::newRow("deleting from long text") << "# of Rolls" << "# of Roll" << 9 << "# of Roll" << 9 << false;
    QTest::newRow("typing at the placeholder's end replaces it") << "# of Rolls" << "# of Rolls5" << 11 << "5" << 1 << false;
    QTest::newRow("typing inside the placeholder replaces it") << "# of Rolls" << "# of R5olls" << 7 << "5" << 1 << false;
    QTest::newRow("replacing all of the placeholder") << "# of Rolls" << "5" << 1 << "5" << 1 << false;
    QTest::newRow("replacing a word of the placeholder replaces all") << "# of Rolls" << "# of 5" << 6 << "5" << 1 << false;
    QTest::newRow("a paste into the placeholder is cut to fit") << "# of Rolls" << "12345 Rolls" << 5 << "123" << 3 << true;
    QTest::newRow("typing into another long text refused") << "# of Roll" << "# of Roll5" << 10 << "# of Roll" << 9 << true;
    QTest::newRow("same letter typed twice") << "11" << "111" << 3 << "111" << 3 << false;
    QTest::newRow("same letter past limit") << "111" << "1111" << 2 << "111" << 1 << true;
    // characters as a user sees them (cursors count them, not UTF-16 units)
    QTest::newRow("two emoji pasted, one fits whole") << "12" << "12" + grin + grin << 4 << "12" + grin << 3 << true;
    QTest::newRow("an emoji after two fits") << "12" << "12" + grin << 3 << "12" + grin << 3 << false;
    QTest::newRow("a line end is one character") << "5" << "5\r\n" << 2 << "5\r\n" << 2 << false;
    // clang-format on
}

void TestMultiRoller::userEdits()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, cursor);
    QFETCH(QString, shown);
    QFETCH(int, cursorShown);
    QFETCH(bool, refused);
    const multiroller::LimitedEdit result =
        multiroller::limitEdit(CountBox::characters(before), CountBox::characters(after), cursor,
                               CountBox::characters(QStringLiteral("# of Rolls")));
    QCOMPARE(result.text, CountBox::characters(shown));
    QCOMPARE(result.cursor, cursorShown);
    QCOMPARE(result.refused, refused);
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
}

void TestMultiRoller::countBoxText_data()
{
    // What assistive technology reads of the count box's "# of Rolls": the piece of text
    // around an offset, and its text attributes as one run over the whole text, which a
    // screen reader joins to find what to speak.
    QTest::addColumn<int>("offset");
    QTest::addColumn<QAccessible::TextBoundaryType>("boundary");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    using A = QAccessible;
    // clang-format off
    QTest::newRow("the word at the start, which is no letter") << 0 << A::WordBoundary << "#" << 0 << 1;
    QTest::newRow("the blank after it") << 1 << A::WordBoundary << " " << 1 << 2;
    QTest::newRow("a word") << 3 << A::WordBoundary << "of" << 2 << 4;
    QTest::newRow("a character") << 5 << A::CharBoundary << "R" << 5 << 6;
    QTest::newRow("the line") << 4 << A::LineBoundary << "# of Rolls" << 0 << 10;
    QTest::newRow("past the end") << 10 << A::WordBoundary << "" << 10 << 10;
    // clang-format on
}

void TestMultiRoller::countBoxText()
{
    QFETCH(int, offset);
    QFETCH(QAccessible::TextBoundaryType, boundary);
    QFETCH(QString, piece);
    QFETCH(int, start);
    QFETCH(int, end);
    ScriptedSource source;
    MultiRollerWindow window(source);
    QAccessibleTextInterface *text =
        QAccessible::queryAccessibleInterface(window.countBox())->textInterface();
    QVERIFY(text);
    int from = -1, to = -1;
    QCOMPARE(text->textAtOffset(offset, boundary, &from, &to), piece);
    QCOMPARE(QList<int>({from, to}), QList<int>({start, end}));
    text->attributes(offset, &from, &to);
    QCOMPARE(QList<int>({from, to}), QList<int>({0, 10}));
    // The character's rectangle is where it is drawn: a quarter into it is before it, three
    // quarters into it after it.
    const QRect r = text->characterRect(offset);
    if (offset < 10)
        for (const auto &[x, at] : {std::pair(r.left() + r.width() / 4, offset),
                                    std::pair(r.left() + r.width() * 3 / 4, offset + 1)})
            QCOMPARE(text->offsetAtPoint(QPoint(x, r.center().y())), at);
}

void TestMultiRoller::interaction_data()
{
    // Steps on a fresh window, with the focus in the die box as it opens. In the count box:
    // "type:TEXT", "paste:TEXT", "all" (Ctrl+A), "at:N" (the caret to N), "home", "bs"
    // (Backspace), "^Z", "^Y", "^+Z" (Ctrl+Shift+Z), "menu:undo" and "menu:redo" (its context
    // menu), "click:end" and "click:start" (a click near its end or its start). In the die
    // box: "downN" (Down N times), "dieall" (Ctrl+A), "die:TEXT". Then "enter" (Return and
    // keypad Enter in both fields), "return" (Return on Roll) and "roll" (a click on Roll).
    // "ax-insert:N:TEXT", "ax-delete:N:M" and "ax-set:TEXT" edit the count box through its
    // accessible interface. After them: the die box's position and text, the count text, the total,
    // the draws taken, what a screen reader heard, and whether the count box's menu offers Undo and
    // Redo. Dice draw `draws`, then 0.5 (a six-sided die shows 4).
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("dieBox");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("total");
    QTest::addColumn<int>("taken");
    QTest::addColumn<QStringList>("heard");
    QTest::addColumn<bool>("undo");
    QTest::addColumn<bool>("redo");
    const float top = largestDraw;
    const QList<float> none;
    const QStringList silent;
    const QString noKind = QStringLiteral("No die kind chosen: pick one from the list");
    const QString three = QStringLiteral("at most three characters");
    const QString notANumber =
        QStringLiteral("No dice rolled: the number of rolls is not a number");
    // clang-format off
    // the roll request
    QTest::newRow("the first click only replaces the placeholder") << none << "roll" << "-1 DIE" << "0" << "TOTAL" << 0 << QStringList{noKind} << false << false;
    QTest::newRow("arrow keys pick, three dice rolled") << QList{0.0f, top, 0.5f} << "down2 all type:3 roll" << "1 Die 6" << "3" << "11" << 3 << QStringList{"3 six-sided dice: total 11"} << true << false;
    QTest::newRow("two clicks are two sums from 0") << QList{top, top, 0.0f, 0.0f} << "down6 all type:2 roll roll" << "5 Die 20" << "2" << "2" << 4 << QStringList{"2 twenty-sided dice: total 40", "2 twenty-sided dice: total 2"} << true << false;
    QTest::newRow("Enter in a field rolls nothing") << none << "down2 all type:5 enter" << "1 Die 6" << "5" << "TOTAL" << 0 << silent << true << false;
    QTest::newRow("Enter on Roll rolls") << none << "down2 all type:5 enter return" << "1 Die 6" << "5" << "20" << 5 << QStringList{"5 six-sided dice: total 20"} << true << false;
    QTest::newRow("typing into the die box drops its kind") << none << "down7 die:0" << "-1 Die 1000" << "# of Rolls" << "TOTAL" << 0 << silent << false << false;
    QTest::newRow("one die is one die") << none << "down2 all type:1 roll" << "1 Die 6" << "1" << "4" << 1 << QStringList{"1 six-sided die: total 4"} << true << false;
    QTest::newRow("full-width digits count") << none << "down2 all ime:３ roll" << "1 Die 6" << "３" << "12" << 3 << QStringList{"3 six-sided dice: total 12"} << true << false;
    QTest::newRow("Arabic-Indic digits count") << none << "down2 all ime:١٢ roll" << "1 Die 6" << "١٢" << "48" << 12 << QStringList{"12 six-sided dice: total 48"} << true << false;
    QTest::newRow("Devanagari digits count, after a sign") << none << "down2 all ime:+५ roll" << "1 Die 6" << "+५" << "20" << 5 << QStringList{"5 six-sided dice: total 20"} << true << false;
    QTest::newRow("superscript digits are no count") << none << "down2 all ime:² roll" << "1 Die 6" << "²" << "0" << 0 << QStringList{notANumber} << true << false;
    QTest::newRow("circled digits are no count") << none << "down2 all ime:① roll" << "1 Die 6" << "①" << "0" << 0 << QStringList{notANumber} << true << false;
    QTest::newRow("digits past the limit are refused as any") << none << "down2 all ime:１２３４ roll" << "1 Die 6" << "１２３" << "492" << 123 << QStringList{three, "123 six-sided dice: total 492"} << true << false;
    QTest::newRow("a count that is no number rolls nothing, and says so") << none << "down2 all type:abc roll" << "1 Die 6" << "abc" << "0" << 0 << QStringList{notANumber} << true << false;
    QTest::newRow("an empty count likewise") << none << "down2 all bs roll" << "1 Die 6" << "" << "0" << 0 << QStringList{notANumber} << true << false;
    QTest::newRow("a count past 16 bits rolls nothing, and says so") << none << "down2 all type:9e9 roll" << "1 Die 6" << "9e9" << "0" << 0 << QStringList{"No dice rolled: the number of rolls is out of range"} << true << false;
    QTest::newRow("typing an entry's text chooses nothing") << none << "down7 dieall die:Die_6 all type:5 roll" << "-1 Die 6" << "5" << "TOTAL" << 0 << QStringList{noKind} << true << false;
    // the three-character limit
    QTest::newRow("typing stops at three characters") << none << "all type:12345" << "-1 DIE" << "123" << "TOTAL" << 0 << QStringList{three, three} << true << false;
    QTest::newRow("typing at the front, within three") << none << "all type:12345 bs home type:98" << "-1 DIE" << "912" << "TOTAL" << 0 << QStringList{three, three, three} << true << false;
    QTest::newRow("a paste is cut to fit") << none << "paste:98765" << "-1 DIE" << "987" << "TOTAL" << 0 << QStringList{three} << true << false;
    QTest::newRow("with no room a paste adds nothing") << none << "paste:98765 paste:98765" << "-1 DIE" << "987" << "TOTAL" << 0 << QStringList{three, three} << true << false;
    QTest::newRow("an emoji pasted fits whole") << none << "paste:98765 bs paste:" + grin + grin << "-1 DIE" << "98" + grin << "TOTAL" << 0 << QStringList{three, three} << true << false;
    QTest::newRow("undo takes back the cut paste") << none << "paste:98765 bs paste:" + grin + grin + " ^Z" << "-1 DIE" << "98" << "TOTAL" << 0 << QStringList{three, three} << true << true;
    // edits through assistive technology, as AT-SPI makes them: the same limit, steps and words
    QTest::newRow("an insertion is cut to fit") << none << "ax-insert:0:123456789" << "-1 DIE" << "123" << "TOTAL" << 0 << QStringList{three} << true << false;
    QTest::newRow("an insertion before a count likewise") << none << "type:5 ax-insert:0:123456789" << "-1 DIE" << "125" << "TOTAL" << 0 << QStringList{three} << true << false;
    QTest::newRow("setting the whole text likewise, one step") << none << "type:12 ax-set:32767 ^Z" << "-1 DIE" << "12" << "TOTAL" << 0 << QStringList{three} << true << true;
    QTest::newRow("a deletion is one step") << none << "type:123 ax-delete:0:2 ^Z" << "-1 DIE" << "123" << "TOTAL" << 0 << silent << true << true;
    // a click into the count box
    QTest::newRow("a click into the placeholder selects it") << QList<float>(7, 0.0f) << "click:end type:7 down1 roll" << "0 Die 4" << "7" << "7" << 7 << QStringList{"7 four-sided dice: total 7"} << true << false;
    QTest::newRow("once typed, a click places the caret") << none << "click:end type:7 click:start type:1" << "-1 DIE" << "17" << "TOTAL" << 0 << silent << true << false;
    // undo and redo
    QTest::newRow("nothing done") << none << "" << "-1 DIE" << "# of Rolls" << "TOTAL" << 0 << silent << false << false;
    QTest::newRow("typing inside the placeholder replaces it") << none << "at:3 type:7" << "-1 DIE" << "7" << "TOTAL" << 0 << silent << true << false;
    QTest::newRow("undo brings the placeholder back") << none << "at:3 type:7 ^Z" << "-1 DIE" << "# of Rolls" << "TOTAL" << 0 << silent << false << true;
    QTest::newRow("once shortened, the placeholder only shrinks") << none << "bs type:7" << "-1 DIE" << "# of Roll" << "TOTAL" << 0 << QStringList{three} << true << false;
    QTest::newRow("each character is a step") << none << "type:12 ^Z" << "-1 DIE" << "1" << "TOTAL" << 0 << silent << true << true;
    QTest::newRow("a refused character adds no step") << none << "type:123 type:4 ^Z" << "-1 DIE" << "12" << "TOTAL" << 0 << QStringList{three} << true << true;
    QTest::newRow("a paste cut to fit is one step") << none << "paste:98765 ^Z" << "-1 DIE" << "# of Rolls" << "TOTAL" << 0 << QStringList{three} << false << true;
    QTest::newRow("Ctrl+Y redoes") << none << "type:12 ^Z ^Y" << "-1 DIE" << "12" << "TOTAL" << 0 << silent << true << false;
    QTest::newRow("Ctrl+Shift+Z redoes") << none << "type:12 ^Z ^+Z" << "-1 DIE" << "12" << "TOTAL" << 0 << silent << true << false;
    QTest::newRow("a new edit forgets what could be redone") << none << "type:12 ^Z type:5 ^Y" << "-1 DIE" << "15" << "TOTAL" << 0 << silent << true << false;
    QTest::newRow("undo from the menu") << none << "type:12 menu:undo" << "-1 DIE" << "1" << "TOTAL" << 0 << silent << true << true;
    QTest::newRow("redo from the menu") << none << "type:12 ^Z menu:redo" << "-1 DIE" << "12" << "TOTAL" << 0 << silent << true << false;
    QTest::newRow("the program's text starts afresh") << none << "type:7 ^Z roll" << "-1 DIE" << "0" << "TOTAL" << 0 << QStringList{noKind} << false << false;
    // clang-format on
}

void TestMultiRoller::interaction()
{
    QFETCH(QList<float>, draws);
    QFETCH(QString, steps);
    QFETCH(QString, dieBox);
    QFETCH(QString, count);
    QFETCH(QString, total);
    QFETCH(int, taken);
    QFETCH(QStringList, heard);
    QFETCH(bool, undo);
    QFETCH(bool, redo);
    ScriptedSource source({draws.begin(), draws.end()});
    MultiRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const Announcements announcements;
    QLineEdit *box = window.countBox();
    QLineEdit *field = window.dieBox()->lineEdit();
    // The focus moves to the field a step types into, as a click or Tab would move it.
    const auto into = [](QLineEdit *edit) {
        if (!edit->hasFocus())
            edit->setFocus();
        return edit;
    };
    // The count box's context menu, with its Undo and Redo, while it is open.
    const auto withMenu = [box](const std::function<void(QAction * undo, QAction * redo)> &use) {
        QMenu *menu = openContextMenu(box);
        if (!menu)
            qFatal("no context menu");
        QAction *undoAction = nullptr, *redoAction = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith("&Undo"))
                undoAction = action;
            else if (action->text().startsWith("&Redo"))
                redoAction = action;
        }
        if (!undoAction || !redoAction)
            qFatal("no Undo or Redo in the context menu");
        use(undoAction, redoAction);
        menu->close();
    };
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
        const QString arg = step.section(':', 1).replace('_', ' ');
        const QList<std::pair<QString, QKeyCombination>> keys = {
            {"all", Qt::ControlModifier | Qt::Key_A},
            {"home", QKeyCombination(Qt::Key_Home)},
            {"bs", QKeyCombination(Qt::Key_Backspace)},
            {"^Z", Qt::ControlModifier | Qt::Key_Z},
            {"^Y", Qt::ControlModifier | Qt::Key_Y},
            {"^+Z", Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z}};
        const auto key =
            std::find_if(keys.begin(), keys.end(), [&](const auto &k) { return k.first == step; });
        if (key != keys.end()) {
            QTest::keyClick(into(box), key->second.key(), key->second.keyboardModifiers());
        } else if (step.startsWith("type:")) {
            QTest::keyClicks(into(box), arg);
        } else if (step.startsWith("ime:")) {
            commitText(into(box), arg);
        } else if (step.startsWith("paste:")) {
            QApplication::clipboard()->setText(arg);
            QTest::keyClick(into(box), Qt::Key_V, Qt::ControlModifier);
        } else if (step.startsWith("ax-")) {
            QAccessibleEditableTextInterface *edit =
                QAccessible::queryAccessibleInterface(box)->editableTextInterface();
            const int from = arg.section(':', 0, 0).toInt();
            if (step.startsWith("ax-insert:"))
                edit->insertText(from, arg.section(':', 1));
            else if (step.startsWith("ax-delete:"))
                edit->deleteText(from, arg.section(':', 1).toInt());
            else // as AT-SPI's SetTextContents does
                edit->replaceText(0, int(box->text().size()), arg);
        } else if (step.startsWith("at:")) {
            into(box)->setCursorPosition(arg.toInt());
        } else if (step.startsWith("menu:")) {
            withMenu([&](QAction *u, QAction *r) { (arg == "undo" ? u : r)->trigger(); });
        } else if (step.startsWith("click:")) {
            const int x = arg == "end" ? box->width() - 4 : 2;
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(x, box->height() / 2));
        } else if (step.startsWith("down")) {
            into(field);
            for (int i = step.mid(4).toInt(); i > 0; --i)
                QTest::keyClick(window.dieBox(), Qt::Key_Down);
        } else if (step == "dieall") {
            QTest::keyClick(into(field), Qt::Key_A, Qt::ControlModifier);
        } else if (step.startsWith("die:")) {
            QTest::keyClicks(into(field), arg);
        } else if (step == "enter") {
            for (QLineEdit *edit : {box, field}) {
                QTest::keyClick(into(edit), Qt::Key_Return);
                QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
            }
        } else if (step == "return") {
            window.rollButton()->setFocus();
            QTest::keyClick(window.rollButton(), Qt::Key_Return);
        } else if (step == "roll") {
            QTest::mouseClick(window.rollButton(), Qt::LeftButton);
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
    QCOMPARE(QStringLiteral("%1 %2").arg(window.dieBox()->currentIndex()).arg(field->text()),
             dieBox);
    QCOMPARE(window.dieBox()->count(), 7);
    QCOMPARE(box->text(), count);
    QCOMPARE(window.totalLabel()->text(), total);
    QCOMPARE(accessibleText(window.totalLabel(), QAccessible::Name),
             total == QLatin1String("TOTAL") ? total : QStringLiteral("total: ") + total);
    QCOMPARE(int(source.taken()), taken);
    QCOMPARE(announcements.heard, heard);
    withMenu([&](QAction *u, QAction *r) {
        QCOMPARE(u->isEnabled(), undo);
        QCOMPARE(r->isEnabled(), redo);
    });
}

QTEST_MAIN(TestMultiRoller)
#include "tst_multiroller.moc"
