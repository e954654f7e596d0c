// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

// What the desktop session that tests/desktop/session.sh starts asks of the program, and
// checks that hold on every desktop.

#include "ui/palette.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>

namespace session {

// The desktop's scale.
inline qreal scale()
{
    return qEnvironmentVariable("QUANDREL_SCALE", QStringLiteral("1")).toDouble();
}

// The program's palette is dark where the desktop asks for dark; on GNOME, it follows the
// player's switch to light and back to dark while the program runs. Call from a test.
inline void checkColourScheme()
{
    QCOMPARE(isDark(QApplication::palette()), qgetenv("QUANDREL_DARK") == "1");
    if (!qEnvironmentVariable("QUANDREL_DESKTOP").startsWith(QLatin1String("mutter")))
        return;
    for (const QString scheme : {"default", "prefer-dark", "prefer-light"}) {
        QCOMPARE(QProcess::execute(QStringLiteral("gsettings"),
                                   {"set", "org.gnome.desktop.interface", "color-scheme", scheme}),
                 0);
        QTRY_COMPARE(isDark(QApplication::palette()), scheme == QLatin1String("prefer-dark"));
    }
}

} // namespace session
