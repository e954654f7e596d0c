// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The baseline: a bare Qt window of the main window's size, reporting its first paint.
#include "bench/firstpaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(675, 193);
    FirstPaint probe(&window);
    window.show();
    return QApplication::exec();
}
