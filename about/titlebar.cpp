// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "about/titlebar.h"

#include "ui/devicepixels.h"
#include "ui/palette.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

// The decoration's measures, in device-independent pixels.
constexpr int iconSize = 24; // a size the program icon has, drawn for it
constexpr int iconLeft = 8;
constexpr int iconTop = 3;
constexpr int titlePixels = 14;
constexpr int closeSize = 18;
constexpr int closeRight = 8;         // from the bar's right end
constexpr qreal crossShare = 1 / 2.3; // of the close box's height
constexpr int crossStroke = 2;

// The colour of the bar's title and glyph: the window text colour while `window` is active.
QColor ink(const QWidget *window)
{
    return window->palette().color(window->isActiveWindow() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText);
}

// The close box: a cross drawn pixel by pixel, so it is sharp at any scale.
class CloseBox final : public QAbstractButton
{
public:
    explicit CloseBox(QWidget *parent) : QAbstractButton(parent)
    {
        setObjectName(QStringLiteral("closeBox"));
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(QCoreApplication::translate("TitleBar", "Close"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const qreal ratio = painter.device()->devicePixelRatioF();
        painter.scale(1 / ratio, 1 / ratio);
        // Each stroke is a run of square device-pixel steps along the diagonal.
        const int span = qRound(height() * crossShare * ratio);
        const int stroke = devicepixels::lineWidth(crossStroke, ratio);
        const int steps = span - stroke + 1;
        const QPoint corner((devicepixels::edge(width(), ratio) - span) / 2,
                            (devicepixels::edge(height(), ratio) - span) / 2);
        const QColor colour = ink(window());
        for (int i = 0; i < steps; ++i) {
            painter.fillRect(corner.x() + i, corner.y() + i, stroke, stroke, colour);
            painter.fillRect(corner.x() + i, corner.y() + steps - 1 - i, stroke, stroke, colour);
        }
    }
};

} // namespace

TitleBar::TitleBar(QWidget *window) : QWidget(window)
{
    setFocusPolicy(Qt::NoFocus);
    m_closeBox = new CloseBox(this);
    connect(m_closeBox, &QAbstractButton::clicked, window, &QWidget::close);
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
    case QEvent::ActivationChange:
        update();
        m_closeBox->update();
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
    painter.fillRect(rect(), palette().color(QPalette::Window));
    window()->windowIcon().paint(&painter, QRect(iconLeft, iconTop, iconSize, iconSize));
    const QFont font = titleFont();
    const QRect text = titleRect();
    painter.setFont(font);
    painter.setPen(ink(window()));
    painter.drawText(
        text, Qt::AlignCenter,
        QFontMetrics(font).elidedText(window()->windowTitle(), Qt::ElideRight, text.width()));
}

QFont TitleBar::titleFont() const
{
    QFont font = this->font();
    font.setPixelSize(titlePixels);
    return font;
}

QRect TitleBar::titleRect() const
{
    // Centred on the whole bar, so as wide on either side as the wider of its neighbours.
    const int clear = qMax(iconLeft + iconSize, closeSize + closeRight);
    return rect().adjusted(clear, 0, -clear, 0);
}

void TitleBar::resizeEvent(QResizeEvent *)
{
    m_closeBox->setGeometry(width() - closeRight - closeSize, (barHeight - closeSize) / 2,
                            closeSize, closeSize);
}

WindowBorder::WindowBorder(QWidget *window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
    window->installEventFilter(this);
}

bool WindowBorder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        setGeometry(window()->rect());
    else if (event->type() == QEvent::ActivationChange)
        update(QRegion(rect()) - rect().adjusted(1, 1, -1, -1)); // the edges alone
    return QWidget::eventFilter(watched, event);
}

void WindowBorder::paintEvent(QPaintEvent *)
{
    const QColor colour =
        frameColour(palette(), window()->isActiveWindow() ? QPalette::Active : QPalette::Inactive);
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    const int w = devicepixels::edge(width(), ratio);
    const int h = devicepixels::edge(height(), ratio);
    const int line = devicepixels::lineWidth(1, ratio);
    for (const QRect &edge : {QRect(0, 0, w, line), QRect(0, h - line, w, line),
                              QRect(0, 0, line, h), QRect(w - line, 0, line, h)})
        painter.fillRect(edge, colour);
}
