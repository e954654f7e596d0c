// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QWidget>

class QToolButton;

// A title bar for a frameless top-level window: the window's icon and title, and a close
// box at the right that closes the window. Dragging the bar moves the window. It never
// takes the keyboard focus.
class TitleBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TitleBar)

public:
    // The bar's height, in pixels.
    static constexpr int barHeight = 24;

    // `window` is the frameless top-level window the bar sits in, at its top.
    explicit TitleBar(QWidget *window);

protected:
    // Follows the window's width, title and icon.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_closeButton = nullptr;
};
