// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "bench/procstatus.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

// Start-up probe. When `window` has painted for the first time it prints one line,
// "NANOSECONDS PEAK_KIB": the time since the moment in QUANDREL_BENCH_T0 (CLOCK_MONOTONIC,
// set by the parent just before it started this process) and the peak resident set so far
// (VmHWM). Then it ends the process at once, so neither a timing nor a profile includes
// the shutdown.
class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(QWidget *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        // Let the paint finish and reach the screen, then report.
        static_cast<QWidget *>(watched)->removeEventFilter(this);
        QTimer::singleShot(0, &FirstPaint::report);
        return false;
    }

private:
    [[noreturn]] static void report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long t = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
        const char *t0 = std::getenv("QUANDREL_BENCH_T0");
        std::printf("%lld %ld\n", t0 ? t - std::atoll(t0) : -1LL, statusKiB("VmHWM:"));
        std::fflush(stdout);
        _exit(0);
    }
};
