// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "statroller/statroller.h"
#include "statroller/statrollerwindow.h"
#include "support/scriptedsource.h"
#include "support/statboard.h"
#include "support/widgettest.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <array>
#include <climits>

namespace {

// Draw that gives face f (1..6) on a six-sided die.
float drawFor(int f)
{
    return (f - 1) / 6.0f + 0.01f;
}

// Row `row` as shown: its four faces and its total, joined by blanks.
QString shownRow(const StatRollerWindow &window, int row)
{
    QStringList shown;
    for (int j = 0; j < statroller::facesPerRow; ++j)
        shown << window.faceLabel(row, j)->text();
    return (shown << window.totalLabel(row)->text()).join(' ');
}

const QString placeholders = QStringLiteral("1 2 3 4 18");

} // namespace

class TestStatRoller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup() { flushDeletes(); }

    // The logic, without a window.
    void totals_data();
    void totals();
    void minimum_data();
    void minimum();
    void rowOutsideRangeDoesNothing_data();
    void rowOutsideRangeDoesNothing();
    void rollTakesFourDrawsLeftToRight();

    // The window.
    void opensWithPlaceholders();
    void boxesAndLines_data();
    void boxesAndLines();
    void separatorsMeetTheirBoxes_data();
    void separatorsMeetTheirBoxes();
    void rolls_data();
    void rolls();
};

void TestStatRoller::totals_data()
{
    QTest::addColumn<QString>("faces");
    QTest::addColumn<QString>("total");
    // clang-format off
    QTest::newRow("one low pair dropped once") << "2256" << "13";
    QTest::newRow("all equal") << "3333" << "9";
    QTest::newRow("highest") << "6666" << "18";
    QTest::newRow("lowest") << "1111" << "3";
    QTest::newRow("low first") << "1666" << "18";
    QTest::newRow("two low pairs") << "4141" << "9";
    QTest::newRow("low last") << "6541" << "15";
    QTest::newRow("placeholders") << "1234" << "9";
    // clang-format on
}

void TestStatRoller::totals()
{
    QFETCH(QString, faces);
    QFETCH(QString, total);
    StatBoard board;
    for (int j = 0; j < 4; ++j)
        board.faces[2][j] = std::string(1, faces[j].toLatin1());
    statroller::writeTotal(board, 2);
    QCOMPARE(QString::fromStdString(board.totals[2]), total);
    QVERIFY(board.totals[1].empty() && board.totals[3].empty());
}

void TestStatRoller::minimum_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("smallest");
    // clang-format off
    QTest::newRow("first") << QList<int>{1, 2, 3, 4} << 1;
    QTest::newRow("second") << QList<int>{5, 2, 3, 4} << 2;
    QTest::newRow("third") << QList<int>{5, 6, 3, 4} << 3;
    QTest::newRow("fourth") << QList<int>{5, 6, 7, 4} << 4;
    QTest::newRow("tie") << QList<int>{4, 1, 4, 1} << 1;
    QTest::newRow("negative") << QList<int>{0, -3, 32767, -32768} << -32768;
    // clang-format on
}

void TestStatRoller::minimum()
{
    QFETCH(QList<int>, values);
    QFETCH(int, smallest);
    QCOMPARE(statroller::lowest(values[0], values[1], values[2], values[3]), smallest);
}

void TestStatRoller::rowOutsideRangeDoesNothing_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("below the top") << -1;
    QTest::newRow("below the bottom") << 6;
    QTest::newRow("largest") << INT_MAX;
    QTest::newRow("smallest") << INT_MIN;
}

void TestStatRoller::rowOutsideRangeDoesNothing()
{
    QFETCH(int, row);
    StatBoard board;
    ScriptedSource source;
    statroller::rollRow(board, source, row);
    statroller::writeTotal(board, row);
    QCOMPARE(source.taken(), 0u);
    for (const auto &total : board.totals)
        QVERIFY(total.empty());
}

void TestStatRoller::rollTakesFourDrawsLeftToRight()
{
    StatBoard board;
    ScriptedSource source({drawFor(2), drawFor(6), drawFor(1), drawFor(5)});
    statroller::rollRow(board, source, 3);
    QCOMPARE(source.taken(), 4u);
    QCOMPARE(board.faces[3], (std::array<std::string, 4>{"2", "6", "1", "5"}));
    QCOMPARE(board.totals[3], std::string("13"));
}

void TestStatRoller::opensWithPlaceholders()
{
    ScriptedSource source;
    StatRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Character Stat Roller"));
    QCOMPARE(window.size(), QSize(442, 372));
    for (int row = 0; row < 6; ++row)
        QCOMPARE(shownRow(window, row), placeholders);
    QCOMPARE(QApplication::focusWidget(), window.rollAllButton());
    QCOMPARE(source.taken(), 0u);
}

void TestStatRoller::boxesAndLines_data()
{
    QTest::addColumn<QRect>("actual");
    QTest::addColumn<QRect>("pixels");
    const auto line = [](int i) {
        const QLine l = StatRollerWindow::separator(i);
        return QRect(l.p1(), l.p2());
    };
    // clang-format off
    QTest::newRow("inner box 0: faces of row 1") << StatRollerWindow::innerBox(0) << QRect(16, 16, 193, 33);
    QTest::newRow("inner box 11: total of row 6") << StatRollerWindow::innerBox(11) << QRect(216, 296, 105, 33);
    QTest::newRow("row frame 0 is the bottom row") << StatRollerWindow::rowFrame(0) << QRect(8, 288, 425, 49);
    QTest::newRow("row frame 5 is the top row") << StatRollerWindow::rowFrame(5) << QRect(8, 8, 425, 49);
    QTest::newRow("separator 15: top row, left") << line(15) << QRect(QPoint(64, 16), QPoint(64, 48));
    QTest::newRow("separator 17: top row, right") << line(17) << QRect(QPoint(160, 16), QPoint(160, 48));
    QTest::newRow("separator 0: bottom row, left") << line(0) << QRect(QPoint(64, 296), QPoint(64, 328));
    // clang-format on
}

void TestStatRoller::boxesAndLines()
{
    QFETCH(QRect, actual);
    QFETCH(QRect, pixels);
    QCOMPARE(actual, pixels);
}

void TestStatRoller::separatorsMeetTheirBoxes_data()
{
    QTest::addColumn<qreal>("scale");
    for (qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0})
        QTest::addRow("scale %g", scale) << scale;
}

void TestStatRoller::separatorsMeetTheirBoxes()
{
    // Each separator runs from its box's top line to its bottom line, neither more nor less:
    // its column is ink exactly where a column just beside it crosses those lines.
    QFETCH(qreal, scale);
    ScriptedSource source;
    StatRollerWindow window(source);
    QImage image((QSizeF(window.size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    window.render(&image);
    const QRgb ink = window.palette().color(QPalette::WindowText).rgb();
    const auto inkRows = [&](int x, int top, int bottom) {
        QList<int> rows;
        for (int y = top; y <= bottom; ++y)
            if (image.pixel(x, y) == ink)
                rows << y;
        return rows;
    };
    for (int i = 0; i < StatRollerWindow::separatorCount; ++i) {
        const QLine line = StatRollerWindow::separator(i);
        const int top = qFloor(line.y1() * scale) - 2;
        const int bottom = qCeil((line.y2() + 1) * scale) + 1;
        const QList<int> lines = inkRows(qFloor((line.x1() - 4) * scale), top, bottom);
        QVERIFY2(!lines.isEmpty(),
                 qPrintable(QStringLiteral("no box lines by separator %1").arg(i)));
        QList<int> expected;
        for (int y = lines.first(); y <= lines.last(); ++y)
            expected << y;
        QCOMPARE(inkRows(qFloor(line.x1() * scale), top, bottom), expected);
    }
}

void TestStatRoller::rolls_data()
{
    // A click on one button of a fresh window, with draws that give `faces`; then the six
    // rows as shown, each as its faces and total, and what a screen reader heard.
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("heard");
    for (int row = 0; row < 6; ++row) {
        QStringList shown(6, placeholders);
        shown[row] = QStringLiteral("5 5 6 2 16");
        QTest::addRow("RRol(%d) changes its row only", row)
            << QStringLiteral("RRol%1").arg(row) << QList<int>{5, 5, 6, 2} << shown
            << QStringLiteral("row %1: 5, 5, 6, 2; total 16").arg(row + 1);
    }
    // Row k's four draws all give face k, so any mix-up of order shows.
    QList<int> inOrder;
    for (int face = 1; face <= 6; ++face)
        inOrder << face << face << face << face;
    QTest::newRow("Roll All rolls rows in order")
        << "Command1" << inOrder << QStringList{"1 1 1 1 3",  "2 2 2 2 6",  "3 3 3 3 9",
                                                "4 4 4 4 12", "5 5 5 5 15", "6 6 6 6 18"}
        << "totals 3, 6, 9, 12, 15, 18";
}

void TestStatRoller::rolls()
{
    QFETCH(QString, button);
    QFETCH(QList<int>, faces);
    QFETCH(QStringList, shown);
    QFETCH(QString, heard);
    std::vector<float> draws;
    for (int face : faces)
        draws.push_back(drawFor(face));
    ScriptedSource source(draws);
    StatRollerWindow window(source);
    window.show();
    const Announcements announcements;
    QTest::mouseClick(child<QPushButton>(window, qPrintable(button)), Qt::LeftButton);
    QCOMPARE(source.taken(), draws.size());
    QStringList rows;
    for (int row = 0; row < 6; ++row)
        rows << shownRow(window, row);
    QCOMPARE(rows, shown);
    QCOMPARE(announcements.heard, QStringList{heard});
    // The names follow what the labels show.
    for (int row = 0; row < 6; ++row)
        QCOMPARE(accessibleText(window.totalLabel(row), QAccessible::Name),
                 QStringLiteral("row %1 total: %2").arg(row + 1).arg(shown[row].section(' ', 4)));
}

QTEST_MAIN(TestStatRoller)
#include "tst_statroller.moc"
