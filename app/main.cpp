// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/mainwindow.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const std::optional<StartOptions> options = readStartOptions(argc, argv);
    if (!options)
        return 1;
    QApplication app(argc, argv);
    setUpProgram(*options);
    MainWindow window(dice::processSource());
    window.show();
    return QApplication::exec();
}
