// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "multiroller/multirollerwindow.h"

#include "multiroller/accessiblelineedit.h"
#include "multiroller/countbox.h"
#include "ui/announcer.h"
#include "ui/designwindow.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int clientWidth = 2580;
constexpr int clientHeight = 1710;
constexpr QRect dieBoxRect = twips::rect(120, 120, 1335, 315);
constexpr QRect countRect = twips::rect(1560, 120, 855, 375);
constexpr QRect totalRect = twips::rect(120, 1080, 2295, 495);
constexpr QRect rollRect = twips::rect(120, 600, 2295, 375);
constexpr double totalPoints = 12.0;

constexpr char dieBoxText[] = "DIE";
constexpr char totalText[] = "TOTAL";

} // namespace

MultiRollerWindow::MultiRollerWindow(dice::Source &source, QWidget *parent)
    : QWidget(parent), m_source(source)
{
    installAccessibleLineEdits();
    // "Muliple" is the window's title as its players know it, not a typo to mend.
    setUpDesignWindow(this, "ADDice", QStringLiteral("Muliple Dice Roller"), clientWidth,
                      clientHeight);

    // Made in tab order: DieBox, xRoll, total, Roll.
    m_dieBox = new QComboBox(this);
    m_dieBox->setObjectName(QStringLiteral("DieBox"));
    m_dieBox->setGeometry(dieBoxRect);
    m_dieBox->setEditable(true);
    m_dieBox->setInsertPolicy(QComboBox::NoInsert);
    m_dieBox->setAccessibleName(QStringLiteral("Die kind"));
    m_dieBox->setAccessibleDescription(QStringLiteral("pick one from the list"));
    // On Linux an editable combo box is named after its text; screen readers find its name
    // through a label for it, which this window never shows.
    auto *dieBoxLabel = new QLabel(m_dieBox->accessibleName(), this);
    dieBoxLabel->setObjectName(QStringLiteral("dieBoxLabel"));
    dieBoxLabel->setBuddy(m_dieBox);
    dieBoxLabel->hide();
    // Only picking an entry selects a kind: no completion, and leaving the field with
    // typed text never selects a matching entry behind the user's back.
    m_dieBox->setCompleter(nullptr);
    disconnect(m_dieBox->lineEdit(), &QLineEdit::editingFinished, m_dieBox, nullptr);
    connect(m_dieBox->lineEdit(), &QLineEdit::textEdited, this, &MultiRollerWindow::dieTextEdited);

    // The user may type at most userLimit characters; the program's own texts may be
    // longer, so the count box holds its user's edits to the limit itself.
    m_countBox = new CountBox(QString::fromLatin1(multiroller::placeholder), this);
    m_countBox->setObjectName(QStringLiteral("xRoll"));
    m_countBox->setGeometry(countRect);
    m_countBox->setAccessibleName(QStringLiteral("Number of rolls"));
    m_countBox->setAccessibleDescription(QStringLiteral("up to three characters"));

    m_totalLabel = new QLabel(QString::fromLatin1(totalText), this);
    m_totalLabel->setObjectName(QStringLiteral("total"));
    m_totalLabel->setAccessibleDescription(QStringLiteral("sum of the dice"));
    m_totalLabel->setGeometry(totalRect);
    m_totalLabel->setFont(fonts::design(totalPoints, true));
    m_totalLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_rollButton = new QPushButton(QStringLiteral("Roll"), this);
    m_rollButton->setObjectName(QStringLiteral("Roll"));
    m_rollButton->setGeometry(rollRect);
    m_rollButton->setAccessibleDescription(QStringLiteral("rolls the dice and shows their sum"));
    connect(m_rollButton, &QPushButton::clicked, this, &MultiRollerWindow::roll);

    fillDieBox();
    fonts::pinToControls(this);
    m_dieBox->setFocus();
}

void MultiRollerWindow::fillDieBox()
{
    for (std::size_t i = 0; i < multiroller::kinds.size(); ++i)
        m_dieBox->insertItem(static_cast<int>(i), QString::fromLatin1(multiroller::kinds[i].text));
    // Adding to an empty list selects its first entry; the box starts with none.
    m_dieBox->setCurrentIndex(-1);
    m_dieBox->setEditText(QString::fromLatin1(dieBoxText));
}

void MultiRollerWindow::roll()
{
    const multiroller::Request request = multiroller::roll(*this, m_source);
    announcer::announce(this, [&] {
        using Outcome = multiroller::Request::Outcome;
        switch (request.outcome) {
        case Outcome::NoKind:
            // Typed text never chooses a kind; only an entry picked from the list does.
            return QStringLiteral("No die kind chosen: pick one from the list");
        case Outcome::NotANumber:
            return QStringLiteral("No dice rolled: the number of rolls is not a number");
        case Outcome::OutOfRange:
            return QStringLiteral("No dice rolled: the number of rolls is out of range");
        case Outcome::Rolled:
            break;
        }
        const multiroller::Kind &kind =
            multiroller::kinds[static_cast<std::size_t>(selectedPosition())];
        return QStringLiteral("%1 %2 %3: total %4")
            .arg(request.dice)
            .arg(QLatin1String(kind.spoken),
                 request.dice == 1 ? QStringLiteral("die") : QStringLiteral("dice"),
                 m_totalLabel->text());
    });
}

void MultiRollerWindow::dieTextEdited()
{
    // Typed text names no entry: drop the selection so the shown text and the kind
    // rolled never disagree. Dropping it clears the field, so put the text back.
    if (m_dieBox->currentIndex() < 0)
        return;
    QLineEdit *field = m_dieBox->lineEdit();
    const QString text = field->text();
    const int cursor = field->cursorPosition();
    m_dieBox->setCurrentIndex(-1);
    field->setText(text);
    field->setCursorPosition(cursor);
}

std::string MultiRollerWindow::countText() const
{
    return m_countBox->text().toStdString();
}

void MultiRollerWindow::setCountText(const std::string &text)
{
    m_countBox->setText(QString::fromStdString(text));
}

int MultiRollerWindow::selectedPosition() const
{
    return m_dieBox->currentIndex();
}

void MultiRollerWindow::setTotalText(const std::string &text)
{
    m_totalLabel->setText(QString::fromStdString(text));
}
