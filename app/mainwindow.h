// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "app/windowslot.h"
#include "dice/source.h"

#include <QWidget>

#include <array>

class PictureButton;
struct DieButton;

// The main window: eight die buttons, Roll All, and the buttons that open the
// character stat roller, the multiple dice roller and the About window.
class MainWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // Every die on this window, and on the windows it opens, draws from `source`,
    // which must outlive the window.
    explicit MainWindow(dice::Source &source, QWidget *parent = nullptr);

    // Rolls the die button with index `index` (0 to 5, 8, 9) with one draw and writes the
    // result as its caption. Any other index does nothing and takes no draw.
    void rollDie(short index);
    // Rolls the eight dice in the order 0, 1, 2, 3, 4, 5, 8, 9: eight draws.
    void rollAll();

    // The die button with index `index`, or nullptr where there is none.
    PictureButton *dieButton(short index) const;

private:
    // A die and its `face`, as a die button's name and a roll's spoken result say them:
    // `die` is the die's kind or short name, untranslated.
    static QString dieAndFace(const char *die, const QString &face);

    dice::Source &m_source;
    std::array<PictureButton *, 10> m_dieButtons{}; // by index; 6 and 7 stay null
    WindowSlot m_statRoller;
    WindowSlot m_multiRoller;
    WindowSlot m_about;
};
