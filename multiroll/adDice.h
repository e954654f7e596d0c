#pragma once

#include "multiroll.h"
#include "source.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The multiple dice roller: rolls one chosen die kind a typed number of times and
// shows the sum.
class ADDice final : public QWidget, private multiroll::View
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ADDice)

public:
    // Builds the controls and runs the load step. Dice draw from `source`, which must
    // outlive the window.
    explicit ADDice(dice::Source &source, QWidget *parent = nullptr);

    // One roll request from the current count text and die selection.
    void MRoll();

    QComboBox *dieBox() const { return m_DieBox; }
    QLineEdit *countBox() const { return m_xRoll; }
    QLabel *totalLabel() const { return m_total; }
    QPushButton *rollButton() const { return m_Roll; }

private:
    void Form_Load();
    void dieTextEdited();
    void countEdited();

    std::string countText() const override;
    void setCountText(const std::string &text) override;
    int selectedPosition() const override;
    void setTotalText(const std::string &text) override;

    dice::Source &m_source;
    QComboBox *m_DieBox = nullptr;
    QLineEdit *m_xRoll = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_Roll = nullptr;
    QString m_countShown; // the count text as it stood before the user's latest edit
};
