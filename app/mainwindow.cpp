// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "mainwindow.h"

#include "aboutdialog.h"
#include "announcer.h"
#include "designwindow.h"
#include "diebuttons.h"
#include "fonts.h"
#include "multirollerwindow.h"
#include "picturebutton.h"
#include "statrollerwindow.h"
#include "twips.h"

#include <QPushButton>

namespace {

constexpr int clientWidth = 10125;
constexpr int clientHeight = 2895;

constexpr int dieTop = 120;
constexpr int dieHeight = 1695;
constexpr double dieFontPoints = 13.5;

constexpr QRect rollAllRect = twips::rect(120, 1920, 9855, 375);
constexpr double rollAllPoints = 12.0;

constexpr QRect statRollerRect = twips::rect(120, 2400, 3615, 375);
constexpr QRect aboutRect = twips::rect(3840, 2400, 2415, 375);
constexpr QRect multiRollerRect = twips::rect(6360, 2400, 3615, 375);

const DieButton *findDie(short index)
{
    for (const DieButton &d : dieButtons)
        if (d.index == index)
            return &d;
    return nullptr;
}

} // namespace

MainWindow::MainWindow(dice::Source &source, QWidget *parent) : QWidget(parent), m_source(source)
{
    setUpDesignWindow(this, "Main", QStringLiteral("Quandrel"), clientWidth, clientHeight);

    // Controls are made in tab order, which sets the focus chain. The die buttons are
    // named after their index: Die0 to Die5, Die8 and Die9.
    const QFont dieFont = fonts::design(dieFontPoints, false);
    for (const DieButton &d : dieButtons) {
        auto *button =
            new PictureButton(QString::fromLatin1(d.picture), QString::fromLatin1(d.caption), this);
        button->setObjectName(QStringLiteral("Die%1").arg(d.index));
        button->setGeometry(twips::rect(d.left, dieTop, d.width, dieHeight));
        button->setFont(dieFont);
        button->setAccessibleDescription(QString::fromLatin1(d.description));
        const short index = d.index;
        connect(button, &QPushButton::clicked, this, [this, index] { rollDie(index); });
        m_dieButtons[static_cast<std::size_t>(index)] = button;
    }

    m_rollAllButton = new QPushButton(QStringLiteral("Roll All"), this);
    m_rollAllButton->setObjectName(QStringLiteral("RA"));
    m_rollAllButton->setGeometry(rollAllRect);
    m_rollAllButton->setFont(fonts::design(rollAllPoints, true));
    m_rollAllButton->setAccessibleDescription(QStringLiteral("rolls all eight dice"));
    connect(m_rollAllButton, &QPushButton::clicked, this, &MainWindow::rollAll);

    m_statRollerButton = new QPushButton(QStringLiteral("Character Stat Roller"), this);
    m_statRollerButton->setObjectName(QStringLiteral("CharShow"));
    m_statRollerButton->setGeometry(statRollerRect);
    m_statRollerButton->setAccessibleDescription(QStringLiteral("opens its window"));
    connect(m_statRollerButton, &QPushButton::clicked, this,
            [this] { open(m_statRoller, [this] { return new StatRollerWindow(m_source); }); });

    m_multiRollerButton = new QPushButton(QStringLiteral("Multiple Dice Roller"), this);
    m_multiRollerButton->setObjectName(QStringLiteral("AdShow"));
    m_multiRollerButton->setGeometry(multiRollerRect);
    m_multiRollerButton->setAccessibleDescription(QStringLiteral("opens its window"));
    connect(m_multiRollerButton, &QPushButton::clicked, this,
            [this] { open(m_multiRoller, [this] { return new MultiRollerWindow(m_source); }); });

    m_aboutButton = new QPushButton(QStringLiteral("About"), this);
    m_aboutButton->setObjectName(QStringLiteral("AbShow"));
    m_aboutButton->setGeometry(aboutRect);
    m_aboutButton->setAccessibleDescription(QStringLiteral("opens the About window"));
    connect(m_aboutButton, &QPushButton::clicked, this,
            [this] { open(m_about, [] { return new AboutDialog; }); });

    for (QPushButton *button :
         {m_rollAllButton, m_statRollerButton, m_multiRollerButton, m_aboutButton})
        button->setAutoDefault(false);

    fonts::pinToControls(this);
    m_dieButtons[0]->setFocus();
}

MainWindow::~MainWindow() = default;

QPushButton *MainWindow::dieButton(short index) const
{
    return findDie(index) ? m_dieButtons[static_cast<std::size_t>(index)] : nullptr;
}

void MainWindow::rollDie(short index)
{
    const DieButton *d = findDie(index);
    if (!d)
        return;
    const int value = dice::face(d->single, d->sides, m_source.next());
    QPushButton *button = m_dieButtons[static_cast<std::size_t>(index)];
    button->setText(QString::fromStdString(dice::faceText(d->single, value)));
    announcer::announce(this, [&] {
        return QStringLiteral("%1: %2").arg(QLatin1String(d->description), button->text());
    });
}

void MainWindow::rollAll()
{
    for (const DieButton &d : dieButtons) {
        const int value = dice::face(d.all, d.sides, m_source.next());
        m_dieButtons[static_cast<std::size_t>(d.index)]->setText(
            QString::fromStdString(dice::faceText(d.all, value)));
    }
    announcer::announce(this, [this] {
        QStringList results;
        for (const DieButton &d : dieButtons)
            results << QStringLiteral("%1: %2").arg(
                QLatin1String(d.shortName),
                m_dieButtons[static_cast<std::size_t>(d.index)]->text());
        return results.join(QStringLiteral(", "));
    });
}

void MainWindow::open(std::unique_ptr<WindowSlot> &slot, WindowSlot::Maker maker)
{
    if (!slot)
        slot = std::make_unique<WindowSlot>(std::move(maker));
    slot->open();
}
