// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The cost of a draw and of a face, per die kind, against the raw engine call.
#include "bench/ratio.h"
#include "dice/faces.h"
#include "dice/source.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

void RawEngine(benchmark::State &state)
{
    std::mt19937 engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine());
}
BENCHMARK(RawEngine);

void Draw(benchmark::State &state)
{
    dice::MersenneSource concrete;
    dice::Source &source = concrete; // through the interface, as the windows call it
    benchmark::DoNotOptimize(&source);
    for (auto _ : state)
        benchmark::DoNotOptimize(source.next());
}
BENCHMARK(Draw);

void Face(benchmark::State &state)
{
    dice::MersenneSource concrete;
    dice::Source &source = concrete;
    benchmark::DoNotOptimize(&source);
    const auto rule = static_cast<dice::Rule>(state.range(0));
    const int sides = static_cast<int>(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(dice::face(rule, sides, source.next()));
}
BENCHMARK(Face)
    ->ArgNames({"rule", "sides"})
    ->Args({0, 4})
    ->Args({0, 6})
    ->Args({0, 8})
    ->Args({1, 10})
    ->Args({0, 10})
    ->Args({0, 12})
    ->Args({0, 20})
    ->Args({2, 10})
    ->Args({0, 100});

void FaceText(benchmark::State &state)
{
    dice::MersenneSource source;
    for (auto _ : state)
        benchmark::DoNotOptimize(dice::faceText(
            dice::Rule::Standard, dice::face(dice::Rule::Standard, 100, source.next())));
}
BENCHMARK(FaceText);

} // namespace

int main(int argc, char **argv)
{
    std::vector<Ratio> ratios{{"Draw", "RawEngine"}, {"FaceText", "RawEngine"}};
    for (const char *args : {"rule:0/sides:4", "rule:0/sides:6", "rule:0/sides:8",
                             "rule:1/sides:10", "rule:0/sides:10", "rule:0/sides:12",
                             "rule:0/sides:20", "rule:2/sides:10", "rule:0/sides:100"})
        ratios.push_back({std::string("Face/") + args, "RawEngine"});
    return runWithRatios(argc, argv, ratios);
}
