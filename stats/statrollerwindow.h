// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "source.h"
#include "statroller.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

// The character stat roller: six rows of four six-sided dice with the sum of the three
// highest as each row's total, a "Re-Roll" button per row and "Roll All" for the six.
class StatRollerWindow final : public QWidget, private statroller::View
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatRollerWindow)

public:
    // Dice draw from `source`, which must outlive the window.
    explicit StatRollerWindow(dice::Source &source, QWidget *parent = nullptr);

    // Rolls row k (1 to 6) with four draws and writes its total; other k do nothing.
    void rollRow(short k);
    // Re-rolls row i + 1, for i in 0..5.
    void reRoll(short i);
    // Rolls rows 1 to 6 in order.
    void rollAll();

    // Controls by row k (1..6) and face j (0..3).
    QLabel *faceLabel(short k, short j) const;
    QLabel *totalLabel(short k) const;
    QPushButton *reRollButton(short k) const;
    QPushButton *rollAllButton() const { return m_rollAllButton; }

    // The painted boxes and separators, in pixels. Inner boxes 0..5 frame the faces of rows
    // 1..6 and 6..11 their totals; row frames and separators are numbered from the bottom
    // row (row frame 0 and separators 0..2 belong to row 6).
    static constexpr int innerBoxCount = 12;
    static constexpr int rowFrameCount = 6;
    static constexpr int separatorCount = 18;
    static QRect innerBox(int index);
    static QRect rowFrame(int index);
    static QLine separator(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::string face(short row, short j) const override;
    void setFace(short row, short j, const std::string &text) override;
    void setTotal(short row, const std::string &text) override;

    dice::Source &m_source;
    std::array<std::array<QLabel *, statroller::facesPerRow>, statroller::rows> m_faceLabels{};
    std::array<QLabel *, statroller::rows> m_totalLabels{};
    std::array<QPushButton *, statroller::rows> m_reRollButtons{};
    QPushButton *m_rollAllButton = nullptr;
};
