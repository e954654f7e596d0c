#include "adDice.h"

#include "fonts.h"
#include "twips.h"

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

ADDice::ADDice(dice::Source &source, QWidget *parent) : QWidget(parent), m_source(source)
{
    setObjectName(QStringLiteral("ADDice"));
    setWindowTitle(QStringLiteral("Muliple Dice Roller"));
    resize(twips::px(clientWidth), twips::px(clientHeight));

    // Made in tab order: DieBox, xRoll, total, Roll.
    m_DieBox = new QComboBox(this);
    m_DieBox->setObjectName(QStringLiteral("DieBox"));
    m_DieBox->setGeometry(dieBoxRect);
    m_DieBox->setEditable(true);
    m_DieBox->setInsertPolicy(QComboBox::NoInsert);
    m_DieBox->setAccessibleName(QStringLiteral("Die kind"));
    // Only picking an entry selects a kind: no completion, and leaving the field with
    // typed text never selects a matching entry behind the user's back.
    m_DieBox->setCompleter(nullptr);
    disconnect(m_DieBox->lineEdit(), &QLineEdit::editingFinished, m_DieBox, nullptr);
    m_DieBox->setEditText(QString::fromLatin1(dieBoxText));
    connect(m_DieBox->lineEdit(), &QLineEdit::textEdited, this, &ADDice::dieTextEdited);

    // The user may type at most userLimit characters; the program's own texts may be
    // longer, so the limit is kept on user edits rather than with setMaxLength().
    m_xRoll = new QLineEdit(QString::fromLatin1(multiroll::placeholder), this);
    m_xRoll->setObjectName(QStringLiteral("xRoll"));
    m_xRoll->setGeometry(countRect);
    m_xRoll->setAccessibleName(QStringLiteral("Number of rolls"));
    m_countShown = m_xRoll->text();
    connect(m_xRoll, &QLineEdit::textEdited, this, &ADDice::countEdited);
    connect(m_xRoll, &QLineEdit::textChanged, this, [this] { m_countShown = m_xRoll->text(); });

    m_total = new QLabel(QString::fromLatin1(totalText), this);
    m_total->setObjectName(QStringLiteral("total"));
    m_total->setGeometry(totalRect);
    m_total->setFont(fonts::design(totalPoints, true));
    m_total->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_Roll = new QPushButton(QStringLiteral("Roll"), this);
    m_Roll->setObjectName(QStringLiteral("Roll"));
    m_Roll->setGeometry(rollRect);
    m_Roll->setAutoDefault(false);
    connect(m_Roll, &QPushButton::clicked, this, &ADDice::MRoll);

    Form_Load();
    m_DieBox->setFocus();
}

void ADDice::Form_Load()
{
    for (std::size_t i = 0; i < multiroll::kinds.size(); ++i)
        m_DieBox->insertItem(static_cast<int>(i), QString::fromLatin1(multiroll::kinds[i].text));
    // Adding to an empty list selects its first entry; the box starts with none.
    m_DieBox->setCurrentIndex(-1);
    m_DieBox->setEditText(QString::fromLatin1(dieBoxText));
}

void ADDice::MRoll()
{
    multiroll::MRoll(*this, m_source);
}

void ADDice::dieTextEdited()
{
    // Typed text names no entry: drop the selection so the shown text and the kind
    // rolled never disagree. Dropping it clears the field, so put the text back.
    if (m_DieBox->currentIndex() < 0)
        return;
    QLineEdit *field = m_DieBox->lineEdit();
    const QString text = field->text();
    const int cursor = field->cursorPosition();
    m_DieBox->setCurrentIndex(-1);
    field->setText(text);
    field->setCursorPosition(cursor);
}

void ADDice::countEdited()
{
    const QString edited = m_xRoll->text();
    int cursor = m_xRoll->cursorPosition();
    const QString limited = QString::fromStdU16String(
        multiroll::limitEdit(m_countShown.toStdU16String(), edited.toStdU16String(), cursor));
    if (limited != edited) {
        m_xRoll->setText(limited);
        m_xRoll->setCursorPosition(cursor);
    }
}

std::string ADDice::countText() const
{
    return m_xRoll->text().toStdString();
}

void ADDice::setCountText(const std::string &text)
{
    m_xRoll->setText(QString::fromStdString(text));
}

int ADDice::selectedPosition() const
{
    return m_DieBox->currentIndex();
}

void ADDice::setTotalText(const std::string &text)
{
    m_total->setText(QString::fromStdString(text));
}
