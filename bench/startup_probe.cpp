// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Quandrel's start-up, exactly as main() does it, reporting its first paint.
#include "firstpaint.h"
#include "mainwindow.h"
#include "program.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpProgram();
    MainWindow window(dice::processSource());
    FirstPaint probe(&window);
    window.show();
    return QApplication::exec();
}
