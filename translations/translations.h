// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QLocale>

// Loads the program's texts for `locale`'s interface languages (for the system's locale,
// from LANGUAGE, LC_ALL, LC_MESSAGES and LANG), best match first, over the English plural
// forms; and Qt's own texts for the language the program then speaks, from the system's
// translations folder where they are installed, for the menus Qt makes. A language without a
// catalogue is no error: the program speaks English, and Qt too. Replaces what an earlier call loaded. Call after the
// QCoreApplication exists and before any window is made.
void installTranslations(const QLocale &locale = QLocale::system());
