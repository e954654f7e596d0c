// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "statrollerwindow.h"

#include "announcer.h"
#include "designwindow.h"
#include "devicepixels.h"
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
constexpr int facesBoxLeft = 240; // inner box k - 1
constexpr int facesBoxWidth = 2895;
constexpr int totalBoxLeft = 3240; // inner box k + 5
constexpr int totalBoxWidth = 1575;
constexpr int innerBoxTop = 240;
constexpr int innerBoxHeight = 495;
constexpr int rowBoxLeft = 120; // row frame 6 - k
constexpr int rowBoxTop = 120;
constexpr int rowBoxWidth = 6375;
constexpr int rowBoxHeight = 735;
constexpr int separatorLeft = 960; // separator 3 * (6 - k) + c, c = 0..2
constexpr int separatorTop = 240;
constexpr int separatorBottom = 720;

constexpr QRect rollAllRect = twips::rect(120, 5160, 6375, 300);

constexpr double labelPoints = 9.75;
constexpr double rollAllPoints = 12.0;
constexpr qreal boxRadius = 4.0; // every box shares this rounded style

constexpr const char *initialFaces[statroller::facesPerRow] = {"1", "2", "3", "4"};
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

StatRollerWindow::StatRollerWindow(dice::Source &source, QWidget *parent)
    : QWidget(parent), m_source(source)
{
    setUpDesignWindow(this, "CharStat", QStringLiteral("Character Stat Roller"), clientWidth,
                      clientHeight);

    // Object names follow the label arrays: R1_0 is face 0 of row 1, T0 the total of row 1.
    const QFont labelFont = fonts::design(labelPoints, true);
    for (short k = 1; k <= statroller::rows; ++k) {
        const int d = rowOffset(k);
        for (short j = 0; j < statroller::facesPerRow; ++j) {
            QLabel *label = makeLabel(initialFaces[j], labelFont, this);
            label->setObjectName(QStringLiteral("R%1_%2").arg(k).arg(j));
            label->setAccessibleDescription(QStringLiteral("row %1, die %2").arg(k).arg(j + 1));
            label->setGeometry(
                twips::rect(faceLeft + facePitch * j, labelTop + d, faceWidth, labelHeight));
            m_faceLabels[k - 1][j] = label;
        }
    }
    for (short k = 1; k <= statroller::rows; ++k) {
        QLabel *label = makeLabel(initialTotal, labelFont, this);
        label->setObjectName(QStringLiteral("T%1").arg(k - 1));
        label->setAccessibleDescription(QStringLiteral("row %1 total").arg(k));
        label->setGeometry(
            twips::rect(totalLeft, labelTop + rowOffset(k), totalWidth, labelHeight));
        m_totalLabels[k - 1] = label;
    }

    // Focus order: Roll All, then the six Re-Roll buttons from the top.
    m_rollAllButton = new QPushButton(QStringLiteral("Roll All"), this);
    m_rollAllButton->setObjectName(QStringLiteral("Command1"));
    m_rollAllButton->setGeometry(rollAllRect);
    m_rollAllButton->setFont(fonts::design(rollAllPoints, false));
    m_rollAllButton->setAccessibleDescription(QStringLiteral("rolls all six rows"));
    connect(m_rollAllButton, &QPushButton::clicked, this, &StatRollerWindow::rollAll);

    for (short k = 1; k <= statroller::rows; ++k) {
        auto *button = new QPushButton(QStringLiteral("Re-Roll"), this);
        button->setObjectName(QStringLiteral("RRol%1").arg(k - 1));
        button->setGeometry(
            twips::rect(reRollLeft, reRollTop + rowOffset(k), reRollWidth, reRollHeight));
        button->setAccessibleDescription(QStringLiteral("Re-roll row %1").arg(k));
        const auto index = static_cast<short>(k - 1);
        connect(button, &QPushButton::clicked, this, [this, index] { reRoll(index); });
        m_reRollButtons[k - 1] = button;
    }

    fonts::pinToControls(this);
    m_rollAllButton->setFocus();
}

void StatRollerWindow::rollRow(short k)
{
    statroller::rollRow(*this, m_source, k);
}

void StatRollerWindow::reRoll(short i)
{
    const auto k = static_cast<short>(i + 1);
    rollRow(k);
    announcer::announce(this, [this, k] {
        QStringList faces;
        for (short j = 0; j < statroller::facesPerRow; ++j)
            faces << faceLabel(k, j)->text();
        return QStringLiteral("row %1: %2; total %3")
            .arg(k)
            .arg(faces.join(QStringLiteral(", ")), totalLabel(k)->text());
    });
}

void StatRollerWindow::rollAll()
{
    for (short k = 1; k <= statroller::rows; ++k)
        rollRow(k);
    announcer::announce(this, [this] {
        QStringList totals;
        for (short k = 1; k <= statroller::rows; ++k)
            totals << totalLabel(k)->text();
        return QStringLiteral("totals %1").arg(totals.join(QStringLiteral(", ")));
    });
}

QLabel *StatRollerWindow::faceLabel(short k, short j) const
{
    return m_faceLabels.at(k - 1).at(j);
}

QLabel *StatRollerWindow::totalLabel(short k) const
{
    return m_totalLabels.at(k - 1);
}

QPushButton *StatRollerWindow::reRollButton(short k) const
{
    return m_reRollButtons.at(k - 1);
}

std::string StatRollerWindow::face(short row, short j) const
{
    return faceLabel(row, j)->text().toStdString();
}

void StatRollerWindow::setFace(short row, short j, const std::string &text)
{
    faceLabel(row, j)->setText(QString::fromStdString(text));
}

void StatRollerWindow::setTotal(short row, const std::string &text)
{
    totalLabel(row)->setText(QString::fromStdString(text));
}

QRect StatRollerWindow::innerBox(int index)
{
    const auto k = static_cast<short>(index % statroller::rows + 1);
    return index < statroller::rows ? twips::rect(facesBoxLeft, innerBoxTop + rowOffset(k),
                                                  facesBoxWidth, innerBoxHeight)
                                    : twips::rect(totalBoxLeft, innerBoxTop + rowOffset(k),
                                                  totalBoxWidth, innerBoxHeight);
}

QRect StatRollerWindow::rowFrame(int index)
{
    const auto k = static_cast<short>(statroller::rows - index);
    return twips::rect(rowBoxLeft, rowBoxTop + rowOffset(k), rowBoxWidth, rowBoxHeight);
}

QLine StatRollerWindow::separator(int index)
{
    // Three to a row, left to right.
    const auto k = static_cast<short>(statroller::rows - index / 3);
    const int x = twips::px(separatorLeft + facePitch * (index % 3));
    return {x, twips::px(separatorTop + rowOffset(k)), x,
            twips::px(separatorBottom + rowOffset(k)) - 1};
}

void StatRollerWindow::paintEvent(QPaintEvent *)
{
    // Painted in device pixels, so that every line is sharp and the separators meet their
    // box's lines at any scale.
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    const int line = devicepixels::lineWidth(1, ratio);
    const QColor ink = palette().color(QPalette::WindowText);

    // Row frames and inner boxes share one style: a one-pixel rounded outline, no fill.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, line));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = line / 2.0;
    const auto box = [&](const QRect &r) {
        painter.drawRoundedRect(
            QRectF(devicepixels::rect(r, ratio)).adjusted(inset, inset, -inset, -inset),
            boxRadius * ratio, boxRadius * ratio);
    };
    for (int i = 0; i < rowFrameCount; ++i)
        box(rowFrame(i));
    for (int i = 0; i < innerBoxCount; ++i)
        box(innerBox(i));

    // Solid separators between the faces, from the top line of their box to its bottom line.
    for (int i = 0; i < separatorCount; ++i) {
        const QRect faces = devicepixels::rect(innerBox(statroller::rows - 1 - i / 3), ratio);
        painter.fillRect(QRect(devicepixels::edge(separator(i).x1(), ratio), faces.top(), line,
                               faces.height() - line),
                         ink);
    }
}
