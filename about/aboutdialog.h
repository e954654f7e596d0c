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
// like OK and the close box, closes the dialog.
class AboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    // Who draws the window's title bar.
    enum class Frame
    {
        WindowManager, // a fixed-size dialog frame, at the fixed place
        Own,           // the dialog's own title bar with a close box only, where Wayland places it
    };
    // The frame the platform the program runs on calls for: Own on Wayland.
    static Frame platformFrame();

    // Builds the controls and fills in the title and version texts.
    explicit AboutDialog(Frame frame = platformFrame(), QWidget *parent = nullptr);

    // The two die icons in the column at the left.
    static constexpr int iconCount = 2;

    // Where the client area's top-left corner opens on the screen (156, 129 pixels at 96
    // dpi), where that leaves the whole window on the screen.
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
    // The window's flags, size and place for `frame`, and the title bar where it draws its own.
    void setUpFrame(Frame frame);
    // The controls, in tab order, with their captions and geometry.
    void makeControls();
    // The window title, title and version texts, from the program's identity.
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
    QPoint m_origin; // the client area's top left: below the title bar where there is one
    QWidget *m_titleBar = nullptr; // the title bar the dialog draws itself, if it does
    bool m_placed = false;         // placed with the window manager's frame, as it opened
};
