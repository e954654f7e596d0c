#include "mainwindow.h"

#include "about.h"
#include "adDice.h"
#include "charstat.h"
#include "diebuttons.h"
#include "fonts.h"
#include "picturebutton.h"
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

constexpr QRect charShowRect = twips::rect(120, 2400, 3615, 375);
constexpr QRect abShowRect = twips::rect(3840, 2400, 2415, 375);
constexpr QRect adShowRect = twips::rect(6360, 2400, 3615, 375);

const DieButton *findDie(short index)
{
    for (const DieButton &d : dieButtons)
        if (d.index == index)
            return &d;
    return nullptr;
}

} // namespace

Main::Main(dice::Source &source, QWidget *parent) : QWidget(parent), m_source(source)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Quandrel"));
    resize(twips::px(clientWidth), twips::px(clientHeight));

    // Controls are made in tab order, which sets the focus chain.
    const QFont dieFont = fonts::design(dieFontPoints, false);
    for (const DieButton &d : dieButtons) {
        auto *button = new PictureButton(QString::fromLatin1(d.picture),
                                         QString::fromLatin1(d.caption), this);
        button->setObjectName(QStringLiteral("Die%1").arg(d.index));
        button->setGeometry(twips::rect(d.left, dieTop, d.width, dieHeight));
        button->setFont(dieFont);
        button->setAccessibleDescription(QString::fromLatin1(d.description));
        const short index = d.index;
        connect(button, &QPushButton::clicked, this, [this, index] { Die_Click(index); });
        m_die[static_cast<std::size_t>(index)] = button;
    }

    m_RA = new QPushButton(QStringLiteral("Roll All"), this);
    m_RA->setObjectName(QStringLiteral("RA"));
    m_RA->setGeometry(rollAllRect);
    m_RA->setFont(fonts::design(rollAllPoints, true));
    connect(m_RA, &QPushButton::clicked, this, &Main::RA_Click);

    m_CharShow = new QPushButton(QStringLiteral("Character Stat Roller"), this);
    m_CharShow->setObjectName(QStringLiteral("CharShow"));
    m_CharShow->setGeometry(charShowRect);
    connect(m_CharShow, &QPushButton::clicked, this,
            [this] { open(m_charStat, [this] { return new CharStat(m_source); }); });

    m_AdShow = new QPushButton(QStringLiteral("Multiple Dice Roller"), this);
    m_AdShow->setObjectName(QStringLiteral("AdShow"));
    m_AdShow->setGeometry(adShowRect);
    connect(m_AdShow, &QPushButton::clicked, this,
            [this] { open(m_adDice, [this] { return new ADDice(m_source); }); });

    m_AbShow = new QPushButton(QStringLiteral("About"), this);
    m_AbShow->setObjectName(QStringLiteral("AbShow"));
    m_AbShow->setGeometry(abShowRect);
    connect(m_AbShow, &QPushButton::clicked, this,
            [this] { open(m_about, [] { return new About; }); });

    for (QPushButton *button : {m_RA, m_CharShow, m_AdShow, m_AbShow})
        button->setAutoDefault(false);

    m_die[0]->setFocus();
}

Main::~Main() = default;

QPushButton *Main::die(short index) const
{
    return findDie(index) ? m_die[static_cast<std::size_t>(index)] : nullptr;
}

void Main::Die_Click(short index)
{
    const DieButton *d = findDie(index);
    if (!d)
        return;
    const int value = dice::face(d->single, d->sides, m_source.next());
    m_die[static_cast<std::size_t>(index)]->setText(
        QString::fromStdString(dice::faceText(d->single, value)));
}

void Main::RA_Click()
{
    for (const DieButton &d : dieButtons) {
        const int value = dice::face(d.all, d.sides, m_source.next());
        m_die[static_cast<std::size_t>(d.index)]->setText(
            QString::fromStdString(dice::faceText(d.all, value)));
    }
}

void Main::open(std::unique_ptr<WindowSlot> &slot, WindowSlot::Loader loader)
{
    if (!slot)
        slot = std::make_unique<WindowSlot>(std::move(loader));
    slot->open();
}
