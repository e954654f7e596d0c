// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Chi-square goodness of fit of a stat row's drop-lowest total and of pairs of consecutive
// rolls, over a million rolls, at a significance level of 0.001. Each face rule on its own is
// proven exactly, over every draw, in tst_dice.
#include "dice/faces.h"
#include "dice/source.h"
#include "statroller/statroller.h"
#include "support/statboard.h"

#include <QTest>

#include <vector>

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

} // namespace

class TestDistribution : public QObject
{
    Q_OBJECT

private slots:
    void statRowTotals();
    void consecutiveRollsAreIndependent();
};

void TestDistribution::statRowTotals()
{
    // The exact distribution of the sum of the three highest of four d6: all 6^4 outcomes.
    std::vector<double> exact(16, 0.0); // totals 3 .. 18
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            for (int c = 1; c <= 6; ++c)
                for (int d = 1; d <= 6; ++d)
                    exact[static_cast<std::size_t>(threeHighest({a, b, c, d}) - 3)] += 1.0 / 1296;
    dice::MersenneSource source(21);
    StatBoard board;
    std::vector<long> counts(16, 0);
    for (int i = 0; i < rolls; ++i) {
        statroller::rollRow(board, source, 0);
        const int slot = std::stoi(board.totals[0]) - 3;
        QVERIFY2(slot >= 0 && slot < 16, board.totals[0].c_str());
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
