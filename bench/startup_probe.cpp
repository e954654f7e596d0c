// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Quandrel's start-up, exactly as main() does it, reporting its first paint.
#include "app/mainwindow.h"
#include "app/startup.h"
#include "bench/firstpaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const std::optional<StartOptions> options = readStartOptions(argc, argv);
    if (!options)
        return 1;
    QApplication app(argc, argv);
    setUpProgram(*options);
    MainWindow window(dice::processSource());
    FirstPaint probe(&window);
    window.show();
    return QApplication::exec();
}
