// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/picturebutton.h"

#include "ui/accessibility.h"
#include "ui/assets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <utility>

namespace {
constexpr int frameMargin = 3;  // keeps the caption off the bevel
constexpr int bevelWidth = 2;   // the bevel's outline and highlight, which no picture covers
constexpr int focusPadding = 6; // the focus frame's width beyond its caption's text
} // namespace

PictureButton::PictureButton(QString picture, QString caption, QWidget *parent)
    : QPushButton(parent), m_name(std::move(picture)), m_caption(std::move(caption))
{
    // Tab gives the focus; a click gives it as it ends (mouseReleaseEvent).
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    m_focusFollows = event->button() == Qt::LeftButton && !hasFocus();
    m_clicking = event->button() == Qt::LeftButton;
    QPushButton::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    QPushButton::mouseReleaseEvent(event); // a click is handled here
    if (event->button() == Qt::LeftButton)
        m_clicking = m_focusReturned = false;
    if (std::exchange(m_focusFollows, false) && event->button() == Qt::LeftButton && !hasFocus() &&
        rect().contains(event->position().toPoint()))
        setFocus(Qt::MouseFocusReason);
}

void PictureButton::focusInEvent(QFocusEvent *event)
{
    m_focusReturned = event->reason() == Qt::ActiveWindowFocusReason;
    QPushButton::focusInEvent(event);
}

void PictureButton::focusOutEvent(QFocusEvent *event)
{
    accessibility::releaseName(this); // a name kept for the focus just presented
    QPushButton::focusOutEvent(event);
}

QRect PictureButton::captionRect() const
{
    const int line = fontMetrics().height();
    const QRect inner = rect().adjusted(frameMargin, frameMargin, -frameMargin, -frameMargin);
    return {inner.left(), inner.bottom() + 1 - line, inner.width(), line};
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    int dx = 0;
    int dy = 0;
    if (isDown()) {
        dx = style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this);
        dy = style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this);
    }
    // The picture is centred in the space above the caption line.
    const QRect caption = captionRect().translated(dx, dy);
    if (m_pictureRatio != devicePixelRatioF()) {
        m_pictureRatio = devicePixelRatioF();
        m_picture = assets::diePicture(m_name, m_pictureRatio);
    }
    QRect placed(QPoint(0, 0), m_picture.deviceIndependentSize().toSize());
    placed.moveCenter(QRect(dx, dy, width(), caption.top() - dy).center());
    // A picture as wide as the button is cut at the bevel rather than painted over it.
    painter.save();
    painter.setClipRect(rect().adjusted(bevelWidth, bevelWidth, -bevelWidth, -bevelWidth));
    painter.drawImage(placed.topLeft(), m_picture);
    painter.restore();

    painter.drawItemText(caption, Qt::AlignCenter, option.palette, isEnabled(), m_caption,
                         QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        const int w = fontMetrics().horizontalAdvance(m_caption) + focusPadding;
        focus.rect = QRect(0, 0, qMin(w, caption.width()), caption.height());
        focus.rect.moveCenter(caption.center());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
