// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QWidget>

class QAbstractButton;

// A title bar for a frameless top-level window, drawn as Qt's own window decoration on
// Wayland draws its title bars: the window's icon, its title centred, and at the right a
// close box that closes the window; text and glyph in the window text colour while the
// window is active, in the disabled one while it is not. Dragging the bar moves the
// window. It never takes the keyboard focus, and every line of it lies on whole device
// pixels.
class TitleBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TitleBar)

public:
    // The bar's height, in device-independent pixels.
    static constexpr int barHeight = 30;

    // `window` is the frameless top-level window the bar sits in, at its top.
    explicit TitleBar(QWidget *window);

    // The title's font, and the room it is centred in, clear of the icon and the close box;
    // a longer title is elided.
    QFont titleFont() const;
    QRect titleRect() const;

protected:
    // Follows the window's width, title, icon and activation.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QAbstractButton *m_closeBox = nullptr;
};

// A line one pixel wide, on whole device pixels, along the edges of a frameless top-level window,
// in the palette's frame colour, so that the window's edge shows over another window of its colour.
// It lies above the window's other children, so make it after them; it takes no clicks and never
// the keyboard focus.
class WindowBorder final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowBorder)

public:
    explicit WindowBorder(QWidget *window);

protected:
    // Follows the window's size and activation.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
