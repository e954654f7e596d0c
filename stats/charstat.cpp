#include "charstat.h"

#include "fonts.h"
#include "twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int clientWidth = 6630;
constexpr int clientHeight = 5580;
constexpr int rowPitch = 840; // vertical distance between rows

// Per row, offset by rowPitch * (k - 1).
constexpr int faceLeft = 360;
constexpr int facePitch = 720;
constexpr int labelTop = 360;
constexpr int faceWidth = 495;
constexpr int labelHeight = 255;
constexpr int totalLeft = 3360;
constexpr int totalWidth = 1335;
constexpr int reRollLeft = 4920;
constexpr int reRollTop = 240;
constexpr int reRollWidth = 1455;
constexpr int reRollHeight = 495;
constexpr int facesBoxLeft = 240;   // Shape1(k - 1)
constexpr int facesBoxWidth = 2895;
constexpr int totalBoxLeft = 3240;  // Shape1(k + 5)
constexpr int totalBoxWidth = 1575;
constexpr int innerBoxTop = 240;
constexpr int innerBoxHeight = 495;
constexpr int rowBoxLeft = 120;     // Shape2(6 - k)
constexpr int rowBoxTop = 120;
constexpr int rowBoxWidth = 6375;
constexpr int rowBoxHeight = 735;
constexpr int separatorLeft = 960;  // Line1(3 * (6 - k) + c), c = 0..2
constexpr int separatorTop = 240;
constexpr int separatorBottom = 720;

constexpr QRect rollAllRect = twips::rect(120, 5160, 6375, 300);

constexpr double labelPoints = 9.75;
constexpr double rollAllPoints = 12.0;
constexpr qreal boxRadius = 4.0; // every box shares this rounded style

constexpr const char *initialFaces[stats::facesPerRow] = {"1", "2", "3", "4"};
constexpr char initialTotal[] = "18";

constexpr int rowOffset(short k)
{
    return rowPitch * (k - 1);
}

QLabel *makeLabel(const char *text, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(QString::fromLatin1(text), parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

CharStat::CharStat(dice::Source &source, QWidget *parent) : QWidget(parent), m_source(source)
{
    setObjectName(QStringLiteral("CharStat"));
    setWindowTitle(QStringLiteral("Character Stat Roller"));
    resize(twips::px(clientWidth), twips::px(clientHeight));

    const QFont labelFont = fonts::design(labelPoints, true);
    for (short k = 1; k <= stats::rows; ++k) {
        const int d = rowOffset(k);
        for (short j = 0; j < stats::facesPerRow; ++j) {
            QLabel *label = makeLabel(initialFaces[j], labelFont, this);
            label->setObjectName(QStringLiteral("R%1_%2").arg(k).arg(j));
            label->setGeometry(
                twips::rect(faceLeft + facePitch * j, labelTop + d, faceWidth, labelHeight));
            m_R[k - 1][j] = label;
        }
    }
    for (short k = 1; k <= stats::rows; ++k) {
        QLabel *label = makeLabel(initialTotal, labelFont, this);
        label->setObjectName(QStringLiteral("T%1").arg(k - 1));
        label->setGeometry(twips::rect(totalLeft, labelTop + rowOffset(k), totalWidth, labelHeight));
        m_T[k - 1] = label;
    }

    // Focus order: Roll All, then the six Re-Roll buttons from the top.
    m_Command1 = new QPushButton(QStringLiteral("Roll All"), this);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command1->setGeometry(rollAllRect);
    m_Command1->setFont(fonts::design(rollAllPoints, false));
    connect(m_Command1, &QPushButton::clicked, this, &CharStat::Command1_Click);

    for (short k = 1; k <= stats::rows; ++k) {
        auto *button = new QPushButton(QStringLiteral("Re-Roll"), this);
        button->setObjectName(QStringLiteral("RRol%1").arg(k - 1));
        button->setGeometry(
            twips::rect(reRollLeft, reRollTop + rowOffset(k), reRollWidth, reRollHeight));
        button->setAccessibleDescription(QStringLiteral("Re-roll row %1").arg(k));
        const short index = static_cast<short>(k - 1);
        connect(button, &QPushButton::clicked, this, [this, index] { RRol_Click(index); });
        m_RRol[k - 1] = button;
    }

    m_Command1->setFocus();
}

void CharStat::Roll(const short &k)
{
    stats::Roll(*this, m_source, k);
}

short CharStat::min(const short &a, const short &b, const short &c, const short &d) const
{
    return stats::min(a, b, c, d);
}

void CharStat::total(const short &k)
{
    stats::total(*this, k);
}

void CharStat::RRol_Click(short i)
{
    Roll(static_cast<short>(i + 1));
}

void CharStat::Command1_Click()
{
    for (short k = 1; k <= stats::rows; ++k)
        Roll(k);
}

QLabel *CharStat::faceLabel(short k, short j) const
{
    return m_R.at(k - 1).at(j);
}

QLabel *CharStat::totalLabel(short k) const
{
    return m_T.at(k - 1);
}

QPushButton *CharStat::reRoll(short k) const
{
    return m_RRol.at(k - 1);
}

std::string CharStat::face(short row, short j) const
{
    return faceLabel(row, j)->text().toStdString();
}

void CharStat::setFace(short row, short j, const std::string &text)
{
    faceLabel(row, j)->setText(QString::fromStdString(text));
}

void CharStat::setTotal(short row, const std::string &text)
{
    m_T.at(row - 1)->setText(QString::fromStdString(text));
}

QRect CharStat::Shape1(int index)
{
    // 0..5 frame the faces of rows 1..6, 6..11 the totals of rows 1..6.
    const short k = static_cast<short>(index % stats::rows + 1);
    return index < stats::rows
               ? twips::rect(facesBoxLeft, innerBoxTop + rowOffset(k), facesBoxWidth, innerBoxHeight)
               : twips::rect(totalBoxLeft, innerBoxTop + rowOffset(k), totalBoxWidth, innerBoxHeight);
}

QRect CharStat::Shape2(int index)
{
    // Numbered from the bottom: index 0 frames row 6.
    const short k = static_cast<short>(stats::rows - index);
    return twips::rect(rowBoxLeft, rowBoxTop + rowOffset(k), rowBoxWidth, rowBoxHeight);
}

QLine CharStat::Line1(int index)
{
    // Numbered from the bottom, three to a row, left to right: 3 * (6 - k) + c.
    const short k = static_cast<short>(stats::rows - index / 3);
    const int x = twips::px(separatorLeft + facePitch * (index % 3));
    return QLine(x, twips::px(separatorTop + rowOffset(k)), x,
                 twips::px(separatorBottom + rowOffset(k)) - 1);
}

void CharStat::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);

    // Shape1 and Shape2 share one style: a one-pixel rounded outline, no fill.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    const auto box = [&](const QRect &r) {
        painter.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), boxRadius, boxRadius);
    };
    for (int i = 0; i < shape2Count; ++i)
        box(Shape2(i));
    for (int i = 0; i < shape1Count; ++i)
        box(Shape1(i));

    // One-pixel solid separators between the faces.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < line1Count; ++i)
        painter.drawLine(Line1(i));
}
