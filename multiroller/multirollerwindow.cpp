// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "multiroller/multirollerwindow.h"

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

// The die kinds by list position: the list entry, and a roll's result as spoken.
// clang-format off
const struct
{
    const char *entry;
    const char *spoken;
} kindTexts[] = {
    {QT_TRANSLATE_NOOP("MultiRollerWindow", "Die 4"), QT_TRANSLATE_N_NOOP("MultiRollerWindow", "%n four-sided dice: total %1")},
    {QT_TRANSLATE_NOOP("MultiRollerWindow", "Die 6"), QT_TRANSLATE_N_NOOP("MultiRollerWindow", "%n six-sided dice: total %1")},
    {QT_TRANSLATE_NOOP("MultiRollerWindow", "Die 8"), QT_TRANSLATE_N_NOOP("MultiRollerWindow", "%n eight-sided dice: total %1")},
    {QT_TRANSLATE_NOOP("MultiRollerWindow", "Die 10"), QT_TRANSLATE_N_NOOP("MultiRollerWindow", "%n ten-sided dice: total %1")},
    {QT_TRANSLATE_NOOP("MultiRollerWindow", "Die 12"), QT_TRANSLATE_N_NOOP("MultiRollerWindow", "%n twelve-sided dice: total %1")},
    {QT_TRANSLATE_NOOP("MultiRollerWindow", "Die 20"), QT_TRANSLATE_N_NOOP("MultiRollerWindow", "%n twenty-sided dice: total %1")},
    {QT_TRANSLATE_NOOP("MultiRollerWindow", "Die 100"), QT_TRANSLATE_N_NOOP("MultiRollerWindow", "%n hundred-sided dice: total %1")},
};
// clang-format on
static_assert(std::size(kindTexts) == multiroller::kinds.size());

// `text` with every decimal digit of any script as its ASCII digit: a count typed in
// full-width, Arabic-Indic or Devanagari digits counts as the same count in ASCII.
QString asciiDigits(const QString &text)
{
    QString ascii;
    ascii.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const int digit = QChar::digitValue(c);
        if (digit >= 0 && QChar::category(c) == QChar::Number_DecimalDigit)
            ascii += QChar(u'0' + digit);
        else
            ascii += QString::fromUcs4(&c, 1);
    }
    return ascii;
}

} // namespace

MultiRollerWindow::MultiRollerWindow(dice::Source &source, QWidget *parent)
    : QWidget(parent), m_source(source)
{
    // "Muliple" is the window's title as its players know it, not a typo to mend.
    setUpDesignWindow(this, "ADDice", tr("Muliple Dice Roller"), clientWidth, clientHeight);

    // Made in tab order: DieBox, xRoll, total, Roll.
    m_dieBox = new QComboBox(this);
    m_dieBox->setObjectName(QStringLiteral("DieBox"));
    m_dieBox->setGeometry(dieBoxRect);
    m_dieBox->setEditable(true);
    m_dieBox->setInsertPolicy(QComboBox::NoInsert);
    m_dieBox->setAccessibleName(tr("Die kind"));
    m_dieBox->setAccessibleDescription(tr("pick one from the list"));
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
    m_countBox = new CountBox(tr("# of Rolls"), this);
    m_countBox->setObjectName(QStringLiteral("xRoll"));
    m_countBox->setGeometry(countRect);
    m_countBox->setAccessibleName(tr("Number of rolls"));
    m_countBox->setAccessibleDescription(tr("up to three characters"));

    m_totalLabel = new QLabel(tr("TOTAL"), this);
    m_totalLabel->setObjectName(QStringLiteral("total"));
    m_totalLabel->setAccessibleDescription(tr("sum of the dice"));
    m_totalLabel->setGeometry(totalRect);
    m_totalLabel->setFont(fonts::design(totalPoints, true));
    m_totalLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_rollButton = new QPushButton(tr("Roll"), this);
    m_rollButton->setObjectName(QStringLiteral("Roll"));
    m_rollButton->setGeometry(rollRect);
    m_rollButton->setAccessibleDescription(tr("rolls the dice and shows their sum"));
    connect(m_rollButton, &QPushButton::clicked, this, &MultiRollerWindow::roll);

    fillDieBox();
    fonts::pinToControls(this);
    m_dieBox->setFocus();
}

QLineEdit *MultiRollerWindow::countBox() const
{
    return m_countBox;
}

void MultiRollerWindow::fillDieBox()
{
    for (std::size_t i = 0; i < std::size(kindTexts); ++i)
        m_dieBox->insertItem(static_cast<int>(i), tr(kindTexts[i].entry));
    // Adding to an empty list selects its first entry; the box starts with none.
    m_dieBox->setCurrentIndex(-1);
    m_dieBox->setEditText(tr("DIE"));
}

void MultiRollerWindow::roll()
{
    const multiroller::Request request = multiroller::roll(*this, m_source);
    announcer::announce(this, [&] {
        using Outcome = multiroller::Request::Outcome;
        switch (request.outcome) {
        case Outcome::NoKind:
            // Typed text never chooses a kind; only an entry picked from the list does.
            return tr("No die kind chosen: pick one from the list");
        case Outcome::NotANumber:
            return tr("No dice rolled: the number of rolls is not a number");
        case Outcome::OutOfRange:
            return tr("No dice rolled: the number of rolls is out of range");
        case Outcome::Rolled:
            break;
        }
        return tr(kindTexts[std::size_t(selectedPosition())].spoken, nullptr, request.dice)
            .arg(m_totalLabel->text());
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

std::string MultiRollerWindow::placeholder() const
{
    return m_countBox->initial().toStdString();
}

std::string MultiRollerWindow::countText() const
{
    return asciiDigits(m_countBox->text()).toStdString();
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
    // Named for what the sum is, so that reviewing the window does not hear a bare number;
    // until the first roll the caption says so itself.
    m_totalLabel->setAccessibleName(
        tr("total: %1", "the sum the window shows").arg(m_totalLabel->text()));
}
