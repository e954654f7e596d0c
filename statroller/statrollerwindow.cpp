// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "statroller/statrollerwindow.h"

#include "ui/accessibility.h"
#include "ui/announcer.h"
#include "ui/designwindow.h"
#include "ui/devicepixels.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int clientWidth = 6630;
constexpr int clientHeight = 5580;
constexpr int rowPitch = 840; // vertical distance between rows

// Per row, offset by rowOffset(row).
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
constexpr int facesBoxLeft = 240; // inner box row
constexpr int facesBoxWidth = 2895;
constexpr int totalBoxLeft = 3240; // inner box row + 6
constexpr int totalBoxWidth = 1575;
constexpr int innerBoxTop = 240;
constexpr int innerBoxHeight = 495;
constexpr int rowBoxLeft = 120; // row frame 5 - row
constexpr int rowBoxTop = 120;
constexpr int rowBoxWidth = 6375;
constexpr int rowBoxHeight = 735;
constexpr int separatorLeft = 960; // the left separator of a row; the others follow by facePitch

constexpr QRect rollAllRect = twips::rect(120, 5160, 6375, 300);

constexpr double labelPoints = 9.75;
constexpr double rollAllPoints = 12.0;
constexpr qreal boxRadius = 4.0; // every box shares this rounded style

constexpr const char *initialFaces[statroller::facesPerRow] = {"1", "2", "3", "4"};
constexpr char initialTotal[] = "18";

// The vertical offset of `row` (0 to 5) from the top row.
constexpr int rowOffset(int row)
{
    return rowPitch * row;
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
    setUpDesignWindow(this, "CharStat", tr("Character Stat Roller"), clientWidth, clientHeight);

    // Object names follow the design's label arrays, whose rows count from 1: R1_0 is face
    // 0 of the top row, T0 its total. Accessible names say where a caption stands, so that
    // a screen reader's review of the window is no string of bare numbers.
    const QFont labelFont = fonts::design(labelPoints, true);
    for (int row = 0; row < statroller::rows; ++row) {
        for (int j = 0; j < statroller::facesPerRow; ++j) {
            QLabel *label = makeLabel(initialFaces[j], labelFont, this);
            label->setObjectName(QStringLiteral("R%1_%2").arg(row + 1).arg(j));
            accessibility::nameAfterCaption(
                label,
                tr("row %1, die %2: %3")
                    .arg(QString::number(row + 1), QString::number(j + 1), QStringLiteral("%1")));
            label->setAccessibleDescription(tr("one of the row's four dice"));
            label->setGeometry(twips::rect(faceLeft + facePitch * j, labelTop + rowOffset(row),
                                           faceWidth, labelHeight));
            m_faceLabels[row][j] = label;
        }
    }
    for (int row = 0; row < statroller::rows; ++row) {
        QLabel *label = makeLabel(initialTotal, labelFont, this);
        label->setObjectName(QStringLiteral("T%1").arg(row));
        accessibility::nameAfterCaption(
            label, tr("row %1 total: %2").arg(QString::number(row + 1), QStringLiteral("%1")));
        label->setAccessibleDescription(tr("the sum of the row's three highest dice"));
        label->setGeometry(
            twips::rect(totalLeft, labelTop + rowOffset(row), totalWidth, labelHeight));
        m_totalLabels[row] = label;
    }

    // Focus order: Roll All, then the six Re-Roll buttons from the top.
    m_rollAllButton = new QPushButton(tr("Roll All"), this);
    m_rollAllButton->setObjectName(QStringLiteral("Command1"));
    m_rollAllButton->setGeometry(rollAllRect);
    m_rollAllButton->setFont(fonts::design(rollAllPoints, false));
    m_rollAllButton->setAccessibleDescription(tr("rolls all six rows"));
    connect(m_rollAllButton, &QPushButton::clicked, this, &StatRollerWindow::rollAll);

    for (int row = 0; row < statroller::rows; ++row) {
        auto *button = new QPushButton(tr("Re-Roll"), this);
        button->setObjectName(QStringLiteral("RRol%1").arg(row));
        button->setGeometry(
            twips::rect(reRollLeft, reRollTop + rowOffset(row), reRollWidth, reRollHeight));
        button->setAccessibleName(tr("Re-Roll row %1").arg(row + 1));
        button->setAccessibleDescription(tr("rolls the row's four dice again"));
        connect(button, &QPushButton::clicked, this, [this, row] { reRoll(row); });
        m_reRollButtons[row] = button;
    }

    fonts::pinToControls(this);
    m_rollAllButton->setFocus();
}

void StatRollerWindow::reRoll(int row)
{
    statroller::rollRow(*this, m_source, row);
    announcer::announce(this, [this, row] {
        QStringList faces;
        for (int j = 0; j < statroller::facesPerRow; ++j)
            faces << faceLabel(row, j)->text();
        return tr("row %1: %2; total %3")
            .arg(QString::number(row + 1), announcer::list(faces), totalLabel(row)->text());
    });
}

void StatRollerWindow::rollAll()
{
    for (int row = 0; row < statroller::rows; ++row)
        statroller::rollRow(*this, m_source, row);
    announcer::announce(this, [this] {
        QStringList totals;
        for (int row = 0; row < statroller::rows; ++row)
            totals << totalLabel(row)->text();
        return tr("totals %1").arg(announcer::list(totals));
    });
}

std::string StatRollerWindow::face(int row, int j) const
{
    return faceLabel(row, j)->text().toStdString();
}

void StatRollerWindow::setFace(int row, int j, const std::string &text)
{
    faceLabel(row, j)->setText(QString::fromStdString(text));
}

void StatRollerWindow::setTotal(int row, const std::string &text)
{
    totalLabel(row)->setText(QString::fromStdString(text));
}

QRect StatRollerWindow::innerBox(int index)
{
    const int row = index % statroller::rows;
    return index < statroller::rows ? twips::rect(facesBoxLeft, innerBoxTop + rowOffset(row),
                                                  facesBoxWidth, innerBoxHeight)
                                    : twips::rect(totalBoxLeft, innerBoxTop + rowOffset(row),
                                                  totalBoxWidth, innerBoxHeight);
}

QRect StatRollerWindow::rowFrame(int index)
{
    const int row = statroller::rows - 1 - index;
    return twips::rect(rowBoxLeft, rowBoxTop + rowOffset(row), rowBoxWidth, rowBoxHeight);
}

QLine StatRollerWindow::separator(int index)
{
    const int row = statroller::rows - 1 - index / separatorsPerRow;
    const int x = twips::px(separatorLeft + facePitch * (index % separatorsPerRow));
    const QRect faces = innerBox(row);
    return {x, faces.top(), x, faces.bottom()};
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

    // Solid separators, on the same device pixels as their box's top and bottom lines.
    for (int i = 0; i < separatorCount; ++i) {
        const QLine s = separator(i);
        const QRect span = devicepixels::rect(QRect(s.p1(), s.p2()), ratio);
        painter.fillRect(QRect(span.left(), span.top(), line, span.height()), ink);
    }
}
