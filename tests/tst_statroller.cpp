// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "scriptedsource.h"
#include "statroller.h"
#include "statrollerwindow.h"
#include "widgettest.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>

namespace {

// View in memory, set up from a short string per row.
class Board final : public statroller::View
{
public:
    std::string face(short row, short j) const override { return faces.at(row - 1).at(j); }
    void setFace(short row, short j, const std::string &text) override
    {
        faces.at(row - 1).at(j) = text;
    }
    void setTotal(short row, const std::string &text) override { totals.at(row - 1) = text; }

    std::array<std::array<std::string, 4>, 6> faces;
    std::array<std::string, 6> totals;
};

// Draw that gives face f (1..6) on a six-sided die.
float drawFor(int f)
{
    return (f - 1) / 6.0f + 0.01f;
}

int threeHighest(const QStringList &faces)
{
    std::array<int, 4> v{};
    for (int j = 0; j < 4; ++j)
        v[j] = faces[j].toInt();
    std::sort(v.begin(), v.end());
    return v[1] + v[2] + v[3];
}

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
    void layout_data();
    void layout();
    void focusOrder();
    void boxesAndLines_data();
    void boxesAndLines();
    void separatorsMeetTheirBoxes_data();
    void separatorsMeetTheirBoxes();
    void reRollChangesOnlyItsRow_data();
    void reRollChangesOnlyItsRow();
    void rollAllRollsRowsInOrder();
    void totalsAlwaysMatchFaces();
};

void TestStatRoller::totals_data()
{
    QTest::addColumn<QString>("faces");
    QTest::addColumn<QString>("total");
    QTest::newRow("one low pair dropped once") << "2256"
                                               << "13";
    QTest::newRow("all equal") << "3333"
                               << "9";
    QTest::newRow("highest") << "6666"
                             << "18";
    QTest::newRow("lowest") << "1111"
                            << "3";
    QTest::newRow("low first") << "1666"
                               << "18";
    QTest::newRow("two low pairs") << "4141"
                                   << "9";
    QTest::newRow("low last") << "6541"
                              << "15";
    QTest::newRow("placeholders") << "1234"
                                  << "9";
}

void TestStatRoller::totals()
{
    QFETCH(QString, faces);
    QFETCH(QString, total);
    Board board;
    for (short j = 0; j < 4; ++j)
        board.faces[2][j] = std::string(1, faces[j].toLatin1());
    statroller::writeTotal(board, 3);
    QCOMPARE(QString::fromStdString(board.totals[2]), total);
    QVERIFY(board.totals[0].empty() && board.totals[3].empty());
}

void TestStatRoller::minimum_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("smallest");
    QTest::newRow("first") << QList<int>{1, 2, 3, 4} << 1;
    QTest::newRow("second") << QList<int>{5, 2, 3, 4} << 2;
    QTest::newRow("third") << QList<int>{5, 6, 3, 4} << 3;
    QTest::newRow("fourth") << QList<int>{5, 6, 7, 4} << 4;
    QTest::newRow("tie") << QList<int>{4, 1, 4, 1} << 1;
    QTest::newRow("negative") << QList<int>{0, -3, 32767, -32768} << -32768;
}

void TestStatRoller::minimum()
{
    QFETCH(QList<int>, values);
    QFETCH(int, smallest);
    QCOMPARE(int(statroller::lowest(short(values[0]), short(values[1]), short(values[2]),
                                    short(values[3]))),
             smallest);
}

void TestStatRoller::rowOutsideRangeDoesNothing_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("zero") << 0;
    QTest::newRow("seven") << 7;
    QTest::newRow("negative") << -1;
    QTest::newRow("largest") << 32767;
}

void TestStatRoller::rowOutsideRangeDoesNothing()
{
    QFETCH(int, row);
    Board board;
    ScriptedSource source;
    const short k = short(row);
    statroller::rollRow(board, source, k);
    statroller::writeTotal(board, k);
    QCOMPARE(source.taken(), 0u);
    for (const auto &total : board.totals)
        QVERIFY(total.empty());
}

void TestStatRoller::rollTakesFourDrawsLeftToRight()
{
    Board board;
    ScriptedSource source({drawFor(2), drawFor(6), drawFor(1), drawFor(5)});
    statroller::rollRow(board, source, 4);
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
    // A screen reader hears each caption with where it is.
    const auto heard = [](QWidget *w) {
        return accessibleText(w, QAccessible::Name) + " / " +
               accessibleText(w, QAccessible::Description);
    };
    for (short k = 1; k <= 6; ++k) {
        for (short j = 0; j < 4; ++j)
            QCOMPARE(heard(window.faceLabel(k, j)),
                     QStringLiteral("%1 / row %2, die %1").arg(j + 1).arg(k));
        QCOMPARE(heard(window.totalLabel(k)), QStringLiteral("18 / row %1 total").arg(k));
        QCOMPARE(heard(window.reRollButton(k)), QStringLiteral("Re-Roll / Re-roll row %1").arg(k));
    }
    QCOMPARE(QApplication::focusWidget(), window.rollAllButton());
    QCOMPARE(source.taken(), 0u);
}

void TestStatRoller::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("R1(0)") << "R1_0" << QRect(24, 24, 33, 17);
    QTest::newRow("R1(3)") << "R1_3" << QRect(168, 24, 33, 17);
    QTest::newRow("R6(0)") << "R6_0" << QRect(24, 304, 33, 17);
    QTest::newRow("T(0)") << "T0" << QRect(224, 24, 89, 17);
    QTest::newRow("T(5)") << "T5" << QRect(224, 304, 89, 17);
    QTest::newRow("RRol(0)") << "RRol0" << QRect(328, 16, 97, 33);
    QTest::newRow("RRol(5)") << "RRol5" << QRect(328, 296, 97, 33);
    QTest::newRow("Roll All") << "Command1" << QRect(8, 344, 425, 20);
}

void TestStatRoller::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    ScriptedSource source;
    StatRollerWindow window(source);
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->font().pointSizeF(), 9.75);
        QVERIFY(label->font().bold());
    }
}

void TestStatRoller::boxesAndLines_data()
{
    QTest::addColumn<QRect>("actual");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("inner box 0: faces of row 1")
        << StatRollerWindow::innerBox(0) << QRect(16, 16, 193, 33);
    QTest::newRow("inner box 11: total of row 6")
        << StatRollerWindow::innerBox(11) << QRect(216, 296, 105, 33);
    QTest::newRow("row frame 0 is the bottom row")
        << StatRollerWindow::rowFrame(0) << QRect(8, 288, 425, 49);
    QTest::newRow("row frame 5 is the top row")
        << StatRollerWindow::rowFrame(5) << QRect(8, 8, 425, 49);
    const auto line = [](int i) {
        const QLine l = StatRollerWindow::separator(i);
        return QRect(l.p1(), l.p2());
    };
    QTest::newRow("separator 15: top row, left")
        << line(15) << QRect(QPoint(64, 16), QPoint(64, 47));
    QTest::newRow("separator 17: top row, right")
        << line(17) << QRect(QPoint(160, 16), QPoint(160, 47));
    QTest::newRow("separator 0: bottom row, left")
        << line(0) << QRect(QPoint(64, 296), QPoint(64, 327));
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
    const auto inkRows = [&](int x) {
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == ink)
                rows << y;
        return rows;
    };
    for (int i = 0; i < StatRollerWindow::separatorCount; ++i) {
        const QLine line = StatRollerWindow::separator(i);
        const int x = qFloor(line.x1() * scale);
        const int beside = qFloor((line.x1() - 4) * scale);
        const int top = qFloor(line.y1() * scale) - 1;
        const int bottom = qCeil((line.y2() + 2) * scale);
        QList<int> lines, separator;
        for (int y : inkRows(beside))
            if (y >= top - 1 && y <= bottom + 1)
                lines << y;
        for (int y : inkRows(x))
            if (y >= top - 1 && y <= bottom + 1)
                separator << y;
        QVERIFY2(!lines.isEmpty(),
                 qPrintable(QStringLiteral("no box lines by separator %1").arg(i)));
        QList<int> expected;
        for (int y = lines.first(); y <= lines.last(); ++y)
            expected << y;
        QCOMPARE(separator, expected);
    }
}

void TestStatRoller::focusOrder()
{
    ScriptedSource source;
    StatRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, (QStringList{"Command1", "RRol0", "RRol1", "RRol2", "RRol3", "RRol4", "RRol5",
                                "Command1"}));
}

void TestStatRoller::reRollChangesOnlyItsRow_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 6; ++i)
        QTest::addRow("RRol(%d)", i) << i;
}

void TestStatRoller::reRollChangesOnlyItsRow()
{
    QFETCH(int, index);
    ScriptedSource source({drawFor(5), drawFor(5), drawFor(6), drawFor(2)});
    StatRollerWindow window(source);
    window.show();
    const Announcements announcements;
    QTest::mouseClick(window.reRollButton(short(index + 1)), Qt::LeftButton);
    QCOMPARE(source.taken(), 4u);
    QCOMPARE(announcements.heard,
             QStringList{QStringLiteral("row %1: 5, 5, 6, 2; total 16").arg(index + 1)});
    for (short k = 1; k <= 6; ++k) {
        QStringList faces;
        for (short j = 0; j < 4; ++j)
            faces << window.faceLabel(k, j)->text();
        const bool rolled = k == index + 1;
        QCOMPARE(faces,
                 (rolled ? QStringList{"5", "5", "6", "2"} : QStringList{"1", "2", "3", "4"}));
        QCOMPARE(window.totalLabel(k)->text(),
                 rolled ? QStringLiteral("16") : QStringLiteral("18"));
    }
}

void TestStatRoller::rollAllRollsRowsInOrder()
{
    // Row k's four draws all give face k, so any mix-up of order shows.
    std::vector<float> draws;
    for (int k = 1; k <= 6; ++k)
        draws.insert(draws.end(), 4, drawFor(k));
    ScriptedSource source(draws);
    StatRollerWindow window(source);
    window.show();
    const Announcements announcements;
    QTest::mouseClick(window.rollAllButton(), Qt::LeftButton);
    QCOMPARE(source.taken(), 24u);
    QCOMPARE(announcements.heard, QStringList{"totals 3, 6, 9, 12, 15, 18"});
    for (short k = 1; k <= 6; ++k) {
        for (short j = 0; j < 4; ++j)
            QCOMPARE(window.faceLabel(k, j)->text(), QString::number(k));
        QCOMPARE(window.totalLabel(k)->text(), QString::number(3 * k));
    }
}

void TestStatRoller::totalsAlwaysMatchFaces()
{
    // A rolled row's total is the sum of its three highest faces, even where the faces
    // happen to read 1 2 3 4; a row not rolled yet still shows 1 2 3 4 and 18.
    dice::MersenneSource source;
    StatRollerWindow window(source);
    window.show();
    const QRegularExpression digitsOnly(QStringLiteral("^[0-9]+$"));
    std::array<bool, 6> rolled{};
    for (int click = 0; click < 200; ++click) {
        const bool all = click % 7 == 6;
        QTest::mouseClick(all ? window.rollAllButton() : window.reRollButton(short(click % 7 + 1)),
                          Qt::LeftButton);
        if (all)
            rolled.fill(true);
        else
            rolled[std::size_t(click % 7)] = true;
        for (short k = 1; k <= 6; ++k) {
            QStringList faces;
            for (short j = 0; j < 4; ++j)
                faces << window.faceLabel(k, j)->text();
            const QString total = window.totalLabel(k)->text();
            if (!rolled[std::size_t(k - 1)]) {
                QCOMPARE(faces + QStringList{total}, (QStringList{"1", "2", "3", "4", "18"}));
                continue;
            }
            QVERIFY(total.contains(digitsOnly));
            QCOMPARE(total.toInt(), threeHighest(faces));
            for (const QString &f : faces)
                QVERIFY(f.contains(digitsOnly) && f.toInt() >= 1 && f.toInt() <= 6);
        }
    }
}

QTEST_MAIN(TestStatRoller)
#include "tst_statroller.moc"
