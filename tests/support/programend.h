// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs the application's event loop, which alone decides the program's end: closes
// `mainWindow` at once, then 100 ms later checks that `other` still shows and runs
// `closeOther`. True when the program ran on without the main window and ended by
// itself once `other` closed (a 5 s guard ends it otherwise).
inline bool runsOnUntilLastWindowCloses(QWidget *mainWindow, QWidget *other,
                                        const std::function<void()> &closeOther)
{
    QPointer<QWidget> watched = other;
    bool ranOn = false;
    QTimer closeMain, closeLast, guard;
    for (QTimer *t : {&closeMain, &closeLast, &guard})
        t->setSingleShot(true);
    QObject::connect(&closeMain, &QTimer::timeout, [&] { mainWindow->close(); });
    QObject::connect(&closeLast, &QTimer::timeout, [&] {
        ranOn = !mainWindow->isVisible() && watched && watched->isVisible();
        closeOther();
    });
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    closeMain.start(0);
    closeLast.start(100);
    guard.start(5000);
    const int code = QApplication::exec();
    return code == 0 && ranOn && guard.isActive();
}
