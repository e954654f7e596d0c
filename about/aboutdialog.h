// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "ui/twips.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// The About window: a fixed dialog with the program's title, version and a credit
// line beside two die icons. OK has the focus when it opens, so Enter presses it; Esc,
// like OK and the close box, closes the dialog. Like the program's other windows it is an
// independent top-level window, which any other window may cover; on X11 it has no task-bar
// entry.
class AboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    // Builds the controls and fills in the title and version texts from the application's
    // name and version.
    explicit AboutDialog(QWidget *parent = nullptr);

    // The two die icons in the column at the left.
    static constexpr int iconCount = 2;

    // Where the client area's top-left corner opens on the screen (156, 129 pixels at 96
    // dpi), where that leaves the whole window on the screen and the window system lets a
    // program place its windows (X11; on Wayland the compositor places them).
    static constexpr QPoint screenPosition = twips::point(2340, 1935);

    QPushButton *okButton() const { return m_okButton; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *versionLabel() const { return m_versionLabel; }
    QLabel *descriptionLabel() const { return m_descriptionLabel; }
    QLabel *disclaimerLabel() const { return m_disclaimerLabel; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The window's flags, size and place.
    void setUpFrame();
    // The controls, in tab order, with their captions and geometry.
    void makeControls();
    // The window title, title and version texts, from the application's name and version.
    void fillTexts();
    // Text colours and icons for the current palette: as designed on a light palette
    // (black text), from the palette's own roles on a dark one.
    void applyPalette();

    QPushButton *m_okButton = nullptr;
    QLabel *m_descriptionLabel = nullptr;
    QLabel *m_disclaimerLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_versionLabel = nullptr;
    QLabel *m_icons[iconCount] = {};
    bool m_placed = false; // placed with the window manager's frame, as it opened, or not placed
};
