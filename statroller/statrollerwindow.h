// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "dice/source.h"
#include "statroller/statroller.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

// The character stat roller: six rows of four six-sided dice with the sum of the three
// highest as each row's total, a "Re-Roll" button per row and "Roll All" for the six.
// Rows are 0 to 5 from the top, faces 0 to 3 from the left.
class StatRollerWindow final : public QWidget, private statroller::View
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatRollerWindow)

public:
    // Dice draw from `source`, which must outlive the window.
    explicit StatRollerWindow(dice::Source &source, QWidget *parent = nullptr);

    // Rolls `row` (0 to 5) with four draws and writes its total.
    void reRoll(int row);
    // Rolls rows 0 to 5 in order.
    void rollAll();

    QLabel *faceLabel(int row, int j) const { return m_faceLabels.at(row).at(j); }
    QLabel *totalLabel(int row) const { return m_totalLabels.at(row); }
    QPushButton *reRollButton(int row) const { return m_reRollButtons.at(row); }
    QPushButton *rollAllButton() const { return m_rollAllButton; }

    // The painted boxes and separators, in pixels. Inner boxes 0..5 frame the faces of rows
    // 0..5 and 6..11 their totals; row frames and separators are numbered from the bottom
    // row (row frame 0 and separators 0..2 belong to row 5). A separator runs down the
    // whole height of its row's faces box, from its top line to its bottom line.
    static constexpr int innerBoxCount = 2 * statroller::rows;
    static constexpr int rowFrameCount = statroller::rows;
    static constexpr int separatorsPerRow = statroller::facesPerRow - 1;
    static constexpr int separatorCount = separatorsPerRow * statroller::rows;
    static QRect innerBox(int index);
    static QRect rowFrame(int index);
    static QLine separator(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::string face(int row, int j) const override;
    void setFace(int row, int j, const std::string &text) override;
    void setTotal(int row, const std::string &text) override;

    dice::Source &m_source;
    std::array<std::array<QLabel *, statroller::facesPerRow>, statroller::rows> m_faceLabels{};
    std::array<QLabel *, statroller::rows> m_totalLabels{};
    std::array<QPushButton *, statroller::rows> m_reRollButtons{};
    QPushButton *m_rollAllButton = nullptr;
};
