// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Start-up time (process start to first paint) and peak resident memory of Quandrel
// against a bare Qt window of the same size, each started afresh for every iteration.
#include "ratio.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>

extern char **environ;

namespace {

struct Run
{
    double seconds = 0; // start to first paint
    double peakKiB = 0; // the child's peak resident set
};

Run runOnce(const char *program)
{
    timespec t0{};
    clock_gettime(CLOCK_MONOTONIC, &t0);
    const std::string stamp = std::to_string(t0.tv_sec * 1'000'000'000LL + t0.tv_nsec);
    setenv("QUANDREL_BENCH_T0", stamp.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t pid = 0;
    char *args[] = {const_cast<char *>(program), nullptr};
    posix_spawn(&pid, program, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);

    std::string text;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {std::stod(text.empty() ? "0" : text) / 1e9, static_cast<double>(usage.ru_maxrss)};
}

void Startup(benchmark::State &state, const char *program)
{
    double peak = 0;
    for (auto _ : state) {
        const Run run = runOnce(program);
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakKiB);
    }
    state.counters["peak_MiB"] = peak / 1024.0;
}

} // namespace

BENCHMARK_CAPTURE(Startup, bare_window, BARE)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, text_label_window, TEXT)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, quandrel, PROBE)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWithRatios(argc, argv,
                         {{"Startup/quandrel/iterations:30/manual_time",
                           "Startup/bare_window/iterations:30/manual_time"},
                          {"Startup/text_label_window/iterations:30/manual_time",
                           "Startup/bare_window/iterations:30/manual_time"},
                          {"Startup/quandrel/iterations:30/manual_time",
                           "Startup/text_label_window/iterations:30/manual_time"}});
}
