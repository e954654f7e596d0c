// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "dice/faces.h"
#include "dice/source.h"
#include "support/scriptedsource.h"

#include <QTest>

#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(dice::Rule)

class TestDice : public QObject
{
    Q_OBJECT

private slots:
    void sourceKnownAnswers_data();
    void sourceKnownAnswers();
    void drawsAreExact();

    void faceEdges_data();
    void faceEdges();
    void everyDrawEveryFace_data();
    void everyDrawEveryFace();

    void texts_data();
    void texts();
};

void TestDice::sourceKnownAnswers_data()
{
    QTest::addColumn<bool>("shared"); // the program's own shared source, fresh
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("draw");
    // clang-format off
    QTest::newRow("the shared source starts at the same place") << true << 1 << 0.814723670f;
    QTest::newRow("first") << false << 1 << 0.814723670f;
    QTest::newRow("second") << false << 2 << 0.135476947f;
    QTest::newRow("third") << false << 3 << 0.905791879f;
    QTest::newRow("fourth") << false << 4 << 0.835008562f;
    // The engine's 10 000th output is 4123659995; the draw keeps its top 24 bits.
    QTest::newRow("ten thousandth") << false << 10000 << 16108046 * 0x1p-24f;
    // clang-format on
}

void TestDice::sourceKnownAnswers()
{
    QFETCH(bool, shared);
    QFETCH(int, position);
    QFETCH(float, draw);
    dice::MersenneSource own;
    dice::Source &source = shared ? dice::processSource() : own;
    float d = 0;
    for (int i = 0; i < position; ++i)
        d = source.next();
    QCOMPARE(d, draw);
}

void TestDice::drawsAreExact()
{
    dice::MersenneSource source;
    for (int i = 0; i < 100000; ++i) {
        const float d = source.next();
        QVERIFY(d >= 0.0f && d < 1.0f);
        const double scaled = static_cast<double>(d) * 16777216.0;
        QCOMPARE(scaled, std::floor(scaled));
    }
}

void TestDice::faceEdges_data()
{
    QTest::addColumn<dice::Rule>("rule");
    QTest::addColumn<int>("sides");
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("face");
    const float top = largestDraw;
    using dice::Rule;
    // clang-format off
    QTest::newRow("d4 low") << Rule::Standard << 4 << 0.0f << 1;
    QTest::newRow("d4 high") << Rule::Standard << 4 << top << 4;
    QTest::newRow("d4 quarter boundary") << Rule::Standard << 4 << 0.25f << 2;
    QTest::newRow("d6 high") << Rule::Standard << 6 << top << 6;
    QTest::newRow("d100 low") << Rule::Standard << 100 << 0.0f << 1;
    QTest::newRow("d100 high") << Rule::Standard << 100 << top << 100;
    QTest::newRow("d10 single low") << Rule::ZeroBased << 10 << 0.0f << 0;
    QTest::newRow("d10 single high") << Rule::ZeroBased << 10 << top << 9;
    QTest::newRow("d10 roll-all high") << Rule::Standard << 10 << top << 10;
    QTest::newRow("tens low") << Rule::Tens << 10 << 0.0f << 0;
    QTest::newRow("tens high") << Rule::Tens << 10 << top << 90;
    QTest::newRow("tens forty") << Rule::Tens << 10 << 0.45f << 40;
    // clang-format on
}

void TestDice::faceEdges()
{
    QFETCH(dice::Rule, rule);
    QFETCH(int, sides);
    QFETCH(float, draw);
    QFETCH(int, face);
    QCOMPARE(dice::face(rule, sides, draw), face);
}

void TestDice::everyDrawEveryFace_data()
{
    QTest::addColumn<dice::Rule>("rule");
    QTest::addColumn<int>("sides");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("step");
    for (int sides : {4, 6, 8, 10, 12, 20, 100})
        QTest::addRow("d%d", sides) << dice::Rule::Standard << sides << 1 << 1;
    QTest::newRow("d10 single") << dice::Rule::ZeroBased << 10 << 0 << 1;
    QTest::newRow("percentile tens") << dice::Rule::Tens << 10 << 0 << 10;
}

void TestDice::everyDrawEveryFace()
{
    // All 2^24 possible draws: every face in range, and every face about equally often.
    QFETCH(dice::Rule, rule);
    QFETCH(int, sides);
    QFETCH(int, lowest);
    QFETCH(int, step);
    constexpr long draws = 1L << 24;
    std::vector<long> counts(static_cast<std::size_t>(sides), 0);
    for (long i = 0; i < draws; ++i) {
        const int f = dice::face(rule, sides, static_cast<float>(i) * 0x1p-24f);
        const int slot = (f - lowest) / step;
        if (slot < 0 || slot >= sides || (f - lowest) % step != 0)
            QFAIL(qPrintable(QStringLiteral("face %1 out of range at draw %2").arg(f).arg(i)));
        ++counts[static_cast<std::size_t>(slot)];
    }
    for (long count : counts)
        QVERIFY(count == draws / sides || count == draws / sides + 1);
}

void TestDice::texts_data()
{
    QTest::addColumn<dice::Rule>("rule");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("one digit") << dice::Rule::Standard << 7 << "7";
    QTest::newRow("hundred") << dice::Rule::Standard << 100 << "100";
    QTest::newRow("zero plain") << dice::Rule::ZeroBased << 0 << "0";
    QTest::newRow("tens zero") << dice::Rule::Tens << 0 << "00";
    QTest::newRow("tens ninety") << dice::Rule::Tens << 90 << "90";
    QTest::newRow("wide sum") << dice::Rule::Standard << 99900 << "99900";
    // clang-format on
}

void TestDice::texts()
{
    QFETCH(dice::Rule, rule);
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(dice::faceText(rule, value)), text);
}

QTEST_APPLESS_MAIN(TestDice)
#include "tst_dice.moc"
