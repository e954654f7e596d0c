// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Chi-square goodness of fit of every die kind, of a stat row's drop-lowest total and of
// pairs of consecutive rolls, over a million rolls at fixed seeds, at a significance level
// of 0.001.
#include "faces.h"
#include "source.h"
#include "statroller.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <vector>

Q_DECLARE_METATYPE(dice::Rule)

namespace {

constexpr int rolls = 1'000'000;

double chiSquare(const std::vector<long> &observed, const std::vector<double> &probability)
{
    double sum = 0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        const double expected = probability[i] * rolls;
        sum += (observed[i] - expected) * (observed[i] - expected) / expected;
    }
    return sum;
}

// View in memory, enough for one row.
class Row final : public statroller::View
{
public:
    std::string face(short, short j) const override { return faces[j]; }
    void setFace(short, short j, const std::string &text) override { faces[j] = text; }
    void setTotal(short, const std::string &text) override { total = text; }
    std::array<std::string, 4> faces;
    std::string total;
};

} // namespace

class TestDistribution : public QObject
{
    Q_OBJECT

private slots:
    void dieKinds_data();
    void dieKinds();
    void statRowTotals();
    void consecutiveRollsAreIndependent();
};

void TestDistribution::dieKinds_data()
{
    QTest::addColumn<dice::Rule>("rule");
    QTest::addColumn<int>("sides");
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<double>("critical"); // chi-square at 0.001 for sides - 1 degrees of freedom
    QTest::newRow("d4") << dice::Rule::Standard << 4 << 11u << 16.266;
    QTest::newRow("d6") << dice::Rule::Standard << 6 << 12u << 20.515;
    QTest::newRow("d8") << dice::Rule::Standard << 8 << 13u << 24.322;
    QTest::newRow("d10 roll all") << dice::Rule::Standard << 10 << 14u << 27.877;
    QTest::newRow("d10 single") << dice::Rule::ZeroBased << 10 << 15u << 27.877;
    QTest::newRow("d12") << dice::Rule::Standard << 12 << 16u << 31.264;
    QTest::newRow("d20") << dice::Rule::Standard << 20 << 17u << 43.820;
    QTest::newRow("percentile tens") << dice::Rule::Tens << 10 << 18u << 27.877;
    QTest::newRow("d100") << dice::Rule::Standard << 100 << 19u << 148.230;
    QTest::newRow("d100 program seed") << dice::Rule::Standard << 100 << 5489u << 148.230;
}

void TestDistribution::dieKinds()
{
    QFETCH(dice::Rule, rule);
    QFETCH(int, sides);
    QFETCH(unsigned, seed);
    QFETCH(double, critical);
    dice::MersenneSource source(seed);
    std::vector<long> counts(static_cast<std::size_t>(sides), 0);
    const int lowest = rule == dice::Rule::Standard ? 1 : 0;
    const int step = rule == dice::Rule::Tens ? 10 : 1;
    for (int i = 0; i < rolls; ++i) {
        const int slot = (dice::face(rule, sides, source.next()) - lowest) / step;
        QVERIFY2(slot >= 0 && slot < sides, qPrintable(QStringLiteral("slot %1").arg(slot)));
        ++counts[static_cast<std::size_t>(slot)];
    }
    const double chi = chiSquare(counts, std::vector<double>(counts.size(), 1.0 / sides));
    QVERIFY2(chi < critical, qPrintable(QStringLiteral("chi-square %1").arg(chi)));
}

void TestDistribution::statRowTotals()
{
    // The exact distribution of the sum of the three highest of four d6: all 6^4 outcomes.
    std::vector<double> exact(16, 0.0); // totals 3 .. 18
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            for (int c = 1; c <= 6; ++c)
                for (int d = 1; d <= 6; ++d)
                    exact[static_cast<std::size_t>(a + b + c + d - std::min({a, b, c, d}) - 3)] +=
                        1.0 / 1296;
    dice::MersenneSource source(21);
    Row row;
    std::vector<long> counts(16, 0);
    for (int i = 0; i < rolls; ++i) {
        statroller::rollRow(row, source, 1);
        const int slot = std::stoi(row.total) - 3;
        QVERIFY2(slot >= 0 && slot < 16, row.total.c_str());
        ++counts[static_cast<std::size_t>(slot)];
    }
    const double chi = chiSquare(counts, exact);
    QVERIFY2(chi < 37.697, qPrintable(QStringLiteral("chi-square %1").arg(chi))); // 15 df
}

void TestDistribution::consecutiveRollsAreIndependent()
{
    // Each die takes the next draw, and no draw leans on the one before: the pairs of
    // faces of consecutive six-sided rolls of the program's own sequence are all equally
    // likely, which a source that repeated, skipped or correlated its draws would break.
    dice::MersenneSource source;
    std::vector<long> counts(36, 0);
    for (int i = 0; i < rolls; ++i) {
        const int first = dice::face(dice::Rule::Standard, 6, source.next());
        const int second = dice::face(dice::Rule::Standard, 6, source.next());
        ++counts[static_cast<std::size_t>((first - 1) * 6 + second - 1)];
    }
    const double chi = chiSquare(counts, std::vector<double>(36, 1.0 / 36));
    QVERIFY2(chi < 66.619, qPrintable(QStringLiteral("chi-square %1").arg(chi))); // 35 df
}

QTEST_APPLESS_MAIN(TestDistribution)
#include "tst_distribution.moc"
