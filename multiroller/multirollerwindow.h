// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "dice/source.h"
#include "multiroller/multiroller.h"

#include <QWidget>

class CountBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The multiple dice roller: rolls one chosen die kind a typed number of times and
// shows the sum.
class MultiRollerWindow final : public QWidget, private multiroller::View
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MultiRollerWindow)

public:
    // Builds the controls and fills the die list. Dice draw from `source`, which must
    // outlive the window.
    explicit MultiRollerWindow(dice::Source &source, QWidget *parent = nullptr);

    // One roll request from the current count text and die selection.
    void roll();

    QComboBox *dieBox() const { return m_dieBox; }
    QLineEdit *countBox() const;
    QLabel *totalLabel() const { return m_totalLabel; }
    QPushButton *rollButton() const { return m_rollButton; }

private:
    void fillDieBox();
    void dieTextEdited();

    std::string placeholder() const override;
    // The count box's text, with every decimal digit of any script as its ASCII digit.
    std::string countText() const override;
    void setCountText(const std::string &text) override;
    int selectedPosition() const override;
    void setTotalText(const std::string &text) override;

    dice::Source &m_source;
    QComboBox *m_dieBox = nullptr;
    CountBox *m_countBox = nullptr;
    QLabel *m_totalLabel = nullptr;
    QPushButton *m_rollButton = nullptr;
};
