// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/mainwindow.h"
#include "app/startup.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    std::optional<StartOptions> options = readStartOptions(argc, argv);
    if (!options)
        return 1;
    std::vector<char *> arguments;
    for (std::string &argument : options->arguments)
        arguments.push_back(argument.data());
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    setUpProgram(*options);
    MainWindow window(dice::processSource());
    window.show();
    return QApplication::exec();
}
