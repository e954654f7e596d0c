// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Start-up time (process start to first paint) and peak resident memory at first paint of
// Quandrel against two baselines: a bare Qt window of the same size, and the same window
// with one text label, which is the floor for any window that shows text (it starts the
// font system). The three programs take turns, round after round, so that a change in the
// machine's load falls on all three alike.
//   bench_startup [ROUNDS] [PLATFORM]     (defaults: 60, offscreen; "xcb" uses $DISPLAY)
// Prints, for each program, the median and interquartile range of both measures, and the
// ratios and differences of Quandrel's medians against each baseline.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Program
{
    const char *name;
    const char *path;
    std::vector<double> ms;  // start to first paint
    std::vector<double> mib; // peak resident set at first paint
};

// One run of `path`: false when it reported nothing.
bool runOnce(Program &program)
{
    timespec t0{};
    clock_gettime(CLOCK_MONOTONIC, &t0);
    setenv("QUANDREL_BENCH_T0", std::to_string(t0.tv_sec * 1'000'000'000LL + t0.tv_nsec).c_str(),
           1);
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t pid = 0;
    char *args[] = {const_cast<char *>(program.path), nullptr};
    const int spawned = posix_spawn(&pid, program.path, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    if (spawned != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    long long ns = 0;
    long kib = 0;
    if (std::sscanf(text.c_str(), "%lld %ld", &ns, &kib) != 2 || ns <= 0)
        return false;
    program.ms.push_back(ns / 1e6);
    program.mib.push_back(kib / 1024.0);
    return true;
}

double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    const double at = q * static_cast<double>(v.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, v.size() - 1);
    return v[low] + (v[high] - v[low]) * (at - static_cast<double>(low));
}

} // namespace

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 60;
    const char *platform = argc > 2 ? argv[2] : "offscreen";
    setenv("QT_QPA_PLATFORM", platform, 1);
    std::vector<Program> programs = {
        {"bare window", BARE, {}, {}},
        {"one-label window", TEXT, {}, {}},
        {"quandrel", PROBE, {}, {}},
    };
    for (Program &p : programs) // a warm-up run each: the files are in the page cache
        runOnce(p), p.ms.clear(), p.mib.clear();
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < programs.size(); ++i)
            if (!runOnce(programs[(i + static_cast<std::size_t>(round)) % programs.size()])) {
                std::fprintf(stderr, "bench_startup: a run reported nothing\n");
                return 1;
            }

    std::printf("%d rounds on %s; median [interquartile range]\n", rounds, platform);
    std::printf("%-18s %-26s %s\n", "", "start to first paint, ms", "peak at first paint, MiB");
    for (const Program &p : programs)
        std::printf("%-18s %6.2f [%6.2f - %6.2f]     %6.2f [%6.2f - %6.2f]\n", p.name,
                    quantile(p.ms, 0.5), quantile(p.ms, 0.25), quantile(p.ms, 0.75),
                    quantile(p.mib, 0.5), quantile(p.mib, 0.25), quantile(p.mib, 0.75));
    const Program &quandrel = programs[2];
    for (std::size_t i = 0; i < 2; ++i)
        std::printf("quandrel against the %s: time x%.3f, memory %+.2f MiB\n", programs[i].name,
                    quantile(quandrel.ms, 0.5) / quantile(programs[i].ms, 0.5),
                    quantile(quandrel.mib, 0.5) - quantile(programs[i].mib, 0.5));
    return 0;
}
