// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "titlebar.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace {
constexpr int margin = 4;
constexpr int iconSize = 16;
} // namespace

TitleBar::TitleBar(QWidget *window) : QWidget(window)
{
    setFocusPolicy(Qt::NoFocus);
    m_closeButton = new QToolButton(this);
    m_closeButton->setObjectName(QStringLiteral("closeBox"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_closeButton->setAccessibleName(tr("Close"));
    connect(m_closeButton, &QToolButton::clicked, window, &QWidget::close);
    setGeometry(0, 0, window->width(), barHeight);
    window->installEventFilter(this);
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        setGeometry(0, 0, window()->width(), barHeight);
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        update();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Button));
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawLine(0, barHeight - 1, width() - 1, barHeight - 1);
    const QRect iconRect(margin, (barHeight - iconSize) / 2, iconSize, iconSize);
    window()->windowIcon().paint(&painter, iconRect);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(colours.color(QPalette::ButtonText));
    const QRect textRect(iconRect.right() + margin, 0,
                         m_closeButton->x() - iconRect.right() - 2 * margin, barHeight);
    painter.drawText(
        textRect, Qt::AlignVCenter | Qt::AlignLeft,
        fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, textRect.width()));
}

void TitleBar::resizeEvent(QResizeEvent *)
{
    m_closeButton->setGeometry(width() - barHeight, 0, barHeight, barHeight);
}
