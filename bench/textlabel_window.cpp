// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// A second baseline: the bare window with one line of text, which is enough to start the
// font system. It shows how much of any window's start-up is the fonts.
#include "bench/firstpaint.h"

#include <QApplication>

#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(675, 193);
    QLabel label(QStringLiteral("Roll All"), &window);
    FirstPaint probe(&window);
    window.show();
    return QApplication::exec();
}
