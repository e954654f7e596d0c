// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Start-up probe: when `window` has painted for the first time, prints the nanoseconds
// since the moment in QUANDREL_BENCH_T0 (CLOCK_MONOTONIC, set by the parent just before
// it started this process) and quits.
class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(QWidget *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            static_cast<QWidget *>(watched)->removeEventFilter(this);
            // Let the paint finish, then report.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                const long long t = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
                const char *t0 = std::getenv("QUANDREL_BENCH_T0");
                std::printf("%lld\n", t0 ? t - std::atoll(t0) : -1LL);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};
