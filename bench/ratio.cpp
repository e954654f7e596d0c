// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "bench/ratio.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

// Console output as usual, and each run's time per iteration kept by name.
class Recorder final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int runWithRatios(int argc, char **argv, const std::vector<Ratio> &ratios)
{
    benchmark::Initialize(&argc, argv);
    Recorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);
    std::printf("\n%-44s %-30s %10s\n", "benchmark", "baseline", "ratio");
    for (const Ratio &r : ratios) {
        const auto a = recorder.times.find(r.benchmark);
        const auto b = recorder.times.find(r.baseline);
        if (a == recorder.times.end() || b == recorder.times.end() || b->second <= 0)
            continue;
        std::printf("%-44s %-30s %10.2f\n", r.benchmark.c_str(), r.baseline.c_str(),
                    a->second / b->second);
    }
    benchmark::Shutdown();
    return 0;
}
