// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/mainwindow.h"

#include "about/aboutdialog.h"
#include "app/diebuttons.h"
#include "app/picturebutton.h"
#include "multiroller/multirollerwindow.h"
#include "statroller/statrollerwindow.h"
#include "ui/accessibility.h"
#include "ui/announcer.h"
#include "ui/designwindow.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QPointer>
#include <QPushButton>

#include <functional>
#include <utility>

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

MainWindow::MainWindow(dice::Source &source, QWidget *parent)
    : QWidget(parent), m_source(source),
      m_statRoller([this] { return new StatRollerWindow(m_source); }),
      m_multiRoller([this] { return new MultiRollerWindow(m_source); }),
      m_about([] { return new AboutDialog; })
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
        // Named by its kind and what it shows: "four-sided die: 4".
        accessibility::nameAfterCaption(button, dieAndFace(d.kind, QStringLiteral("%1")));
        button->setAccessibleDescription(tr("a click rolls it"));
        const short index = d.index;
        connect(button, &QPushButton::clicked, this, [this, index] { rollDie(index); });
        m_dieButtons[static_cast<std::size_t>(index)] = button;
    }

    auto *rollAll = new QPushButton(tr("Roll All"), this);
    rollAll->setObjectName(QStringLiteral("RA"));
    rollAll->setGeometry(rollAllRect);
    rollAll->setFont(fonts::design(rollAllPoints, true));
    rollAll->setAccessibleDescription(tr("rolls all eight dice"));
    connect(rollAll, &QPushButton::clicked, this, &MainWindow::rollAll);

    // The buttons that open the other windows, in tab order.
    const struct
    {
        const char *name;
        const char *caption;
        QRect geometry;
        const char *description;
        WindowSlot *slot;
    } windowButtons[] = {
        {"CharShow", QT_TR_NOOP("Character Stat Roller"), statRollerRect,
         QT_TR_NOOP("opens its window"), &m_statRoller},
        {"AdShow", QT_TR_NOOP("Multiple Dice Roller"), multiRollerRect,
         QT_TR_NOOP("opens its window"), &m_multiRoller},
        {"AbShow", QT_TR_NOOP("About"), aboutRect, QT_TR_NOOP("opens the About window"), &m_about},
    };
    for (const auto &w : windowButtons) {
        auto *button = new QPushButton(tr(w.caption), this);
        button->setObjectName(QString::fromLatin1(w.name));
        button->setGeometry(w.geometry);
        button->setAccessibleDescription(tr(w.description));
        connect(button, &QPushButton::clicked, this, [slot = w.slot] { slot->open(); });
    }

    fonts::pinToControls(this);
    m_dieButtons[0]->setFocus();
}

QString MainWindow::dieAndFace(const char *die, const QString &face)
{
    return tr("%1: %2", "a die, then its face").arg(tr(die), face);
}

PictureButton *MainWindow::dieButton(short index) const
{
    return findDie(index) ? m_dieButtons[static_cast<std::size_t>(index)] : nullptr;
}

void MainWindow::rollDie(short index)
{
    const DieButton *d = findDie(index);
    if (!d)
        return;
    const int value = dice::face(d->single, d->sides, m_source.next());
    PictureButton *button = m_dieButtons[static_cast<std::size_t>(index)];
    // A click that made the window active, on the die that holds its focus, has a screen
    // reader present the window and the die as the focus comes back, by reads of its name
    // that may fall either side of the roll, or the window alone. So the name keeps the face
    // shown until the result, told after all that, has been read out: the die is heard with
    // the face it had, if at all, and the result once.
    accessibility::releaseName(button);
    const bool focusReturned = button->clickFoundFocusReturned();
    if (focusReturned)
        accessibility::holdName(button);
    button->setCaption(QString::fromStdString(dice::faceText(d->single, value)));
    // A click that gives the button the focus has a screen reader speak the button, result
    // and all, once the click is handled; the result is not spoken a second time.
    if (button->focusFollowsClick() && !button->hasFocus())
        return;
    std::function<void()> read;
    if (focusReturned)
        read = [held = QPointer(button)] {
            if (held)
                accessibility::releaseName(held);
        };
    announcer::announce(
        this, [&] { return dieAndFace(d->kind, button->caption()); }, std::move(read));
}

void MainWindow::rollAll()
{
    for (const DieButton &d : dieButtons) {
        const int value = dice::face(d.all, d.sides, m_source.next());
        m_dieButtons[static_cast<std::size_t>(d.index)]->setCaption(
            QString::fromStdString(dice::faceText(d.all, value)));
    }
    announcer::announce(this, [this] {
        QStringList results;
        for (const DieButton &d : dieButtons)
            results << dieAndFace(d.shortName,
                                  m_dieButtons[static_cast<std::size_t>(d.index)]->caption());
        return announcer::list(results);
    });
}
