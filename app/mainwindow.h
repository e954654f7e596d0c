#pragma once

#include "source.h"
#include "windowslot.h"

#include <QWidget>

#include <array>
#include <memory>

class QPushButton;

// The main window: eight die buttons, Roll All, and the buttons that open the
// character stat roller, the multiple dice roller and the About window.
class Main final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Main)

public:
    // Every die on this window, and on the windows it opens, draws from `source`,
    // which must outlive the window.
    explicit Main(dice::Source &source, QWidget *parent = nullptr);
    ~Main() override;

    // Rolls the die of Die member `index` (0 to 5, 8, 9) with one draw and writes the
    // result as its caption. Any other index does nothing and takes no draw.
    void Die_Click(short index);
    // Rolls the eight dice in the order 0, 1, 2, 3, 4, 5, 8, 9: eight draws.
    void RA_Click();

    // The Die member `index`, or nullptr where the array has no such member.
    QPushButton *die(short index) const;

    // The process-wide instances of the other windows; null until first opened.
    WindowSlot *charStat() const { return m_charStat.get(); }
    WindowSlot *adDice() const { return m_adDice.get(); }
    WindowSlot *about() const { return m_about.get(); }

private:
    void open(std::unique_ptr<WindowSlot> &slot, WindowSlot::Loader loader);

    dice::Source &m_source;
    std::array<QPushButton *, 10> m_die{};
    QPushButton *m_RA = nullptr;
    QPushButton *m_CharShow = nullptr;
    QPushButton *m_AdShow = nullptr;
    QPushButton *m_AbShow = nullptr;
    std::unique_ptr<WindowSlot> m_charStat;
    std::unique_ptr<WindowSlot> m_adDice;
    std::unique_ptr<WindowSlot> m_about;
};
