// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Click handlers on real windows (offscreen): Roll All on the main window, Roll All on
// the stat roller, and a 999-die request; each against the raw engine calls for the same
// number of draws. And the growth of the resident set over 2 000 openings and closings of
// each secondary window, through the main window's buttons.
#include "app/mainwindow.h"
#include "app/startup.h"
#include "bench/procstatus.h"
#include "bench/ratio.h"
#include "multiroller/multirollerwindow.h"
#include "statroller/statrollerwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <random>

namespace {

void RawEngineDraws(benchmark::State &state)
{
    std::mt19937 engine;
    const auto draws = state.range(0);
    for (auto _ : state)
        for (int64_t i = 0; i < draws; ++i)
            benchmark::DoNotOptimize(engine());
}
BENCHMARK(RawEngineDraws)->Arg(8)->Arg(24)->Arg(999);

void MainRollAll(benchmark::State &state)
{
    dice::MersenneSource source;
    MainWindow window(source);
    window.show();
    for (auto _ : state)
        window.rollAll();
}
BENCHMARK(MainRollAll);

void StatRollAll(benchmark::State &state)
{
    dice::MersenneSource source;
    StatRollerWindow window(source);
    window.show();
    for (auto _ : state)
        window.rollAll();
}
BENCHMARK(StatRollAll);

void Request999(benchmark::State &state)
{
    dice::MersenneSource source;
    MultiRollerWindow window(source);
    window.show();
    window.dieBox()->setCurrentIndex(6);
    window.countBox()->setText(QStringLiteral("999"));
    for (auto _ : state)
        window.roll();
}
BENCHMARK(Request999);

// Opens the window behind one of the main window's buttons and closes it again, as often
// as there are iterations, after one opening that loads what stays loaded.
void OpenAndClose(benchmark::State &state)
{
    const char *buttons[] = {"CharShow", "AdShow", "AbShow"};
    const char *windows[] = {"CharStat", "ADDice", "About"};
    const auto which = static_cast<std::size_t>(state.range(0));
    dice::MersenneSource source;
    MainWindow main(source);
    main.show();
    auto *button = main.findChild<QPushButton *>(QLatin1String(buttons[which]));
    const auto cycle = [&] {
        button->click();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(windows[which]) && w->isVisible())
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    };
    cycle();
    const long before = statusKiB("VmRSS:");
    for (auto _ : state)
        cycle();
    state.counters["rss_growth_KiB"] = static_cast<double>(statusKiB("VmRSS:") - before);
}
BENCHMARK(OpenAndClose)
    ->ArgName("window")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpProgram();
    return runWithRatios(argc, argv,
                         {{"MainRollAll", "RawEngineDraws/8"},
                          {"StatRollAll", "RawEngineDraws/24"},
                          {"Request999", "RawEngineDraws/999"}});
}
