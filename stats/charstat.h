#pragma once

#include "source.h"
#include "statroll.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

// The character stat roller: six rows of four six-sided dice with the sum of the three
// highest as each row's total, a "Re-Roll" button per row and "Roll All" for the six.
class CharStat final : public QWidget, private stats::Captions
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CharStat)

public:
    // Dice draw from `source`, which must outlive the window.
    explicit CharStat(dice::Source &source, QWidget *parent = nullptr);

    // Row k is 1 (top) to 6; other values do nothing. See stats::Roll and stats::total.
    void Roll(const short &k);
    short min(const short &a, const short &b, const short &c, const short &d) const;
    void total(const short &k);

    // Re-rolls row i + 1, for i in 0..5.
    void RRol_Click(short i);
    // Rolls rows 1 to 6 in order.
    void Command1_Click();

    // Controls by row k (1..6) and face j (0..3).
    QLabel *faceLabel(short k, short j) const;
    QLabel *totalLabel(short k) const;
    QPushButton *reRoll(short k) const;
    QPushButton *rollAll() const { return m_Command1; }

    // The painted boxes and separators, in pixels, by their index in the window's
    // Shape1, Shape2 and Line1 arrays. Shape2 and Line1 are numbered from the bottom row.
    static constexpr int shape1Count = 12;
    static constexpr int shape2Count = 6;
    static constexpr int line1Count = 18;
    static QRect Shape1(int index);
    static QRect Shape2(int index);
    static QLine Line1(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::string face(short row, short j) const override;
    void setFace(short row, short j, const std::string &text) override;
    void setTotal(short row, const std::string &text) override;

    dice::Source &m_source;
    std::array<std::array<QLabel *, stats::facesPerRow>, stats::rows> m_R{};
    std::array<QLabel *, stats::rows> m_T{};
    std::array<QPushButton *, stats::rows> m_RRol{};
    QPushButton *m_Command1 = nullptr;
};
