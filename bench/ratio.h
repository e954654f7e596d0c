// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <string>
#include <vector>

// Runs the registered benchmarks, then prints, for each (benchmark, baseline) pair, the
// benchmark's time per iteration over the baseline's, measured in the same run.
struct Ratio
{
    std::string benchmark;
    std::string baseline;
};

int runWithRatios(int argc, char **argv, const std::vector<Ratio> &ratios);
