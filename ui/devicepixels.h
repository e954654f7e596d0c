// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QRect>

// Lines and boxes laid out in device-independent pixels but painted on whole device pixels,
// so that they stay sharp, and meet where they should, at every scale, fractional ones
// included. A painter over a widget paints in device pixels after
// painter.scale(1 / ratio, 1 / ratio), where ratio is the widget's devicePixelRatioF().
namespace devicepixels {

// The device pixel edge nearest to the device-independent coordinate `x`.
inline int edge(qreal x, qreal ratio)
{
    return qRound(x * ratio);
}

// The device pixels that `rect` covers: each of its edges moved to the nearest device edge.
inline QRect rect(const QRect &rect, qreal ratio)
{
    const int left = edge(rect.x(), ratio);
    const int top = edge(rect.y(), ratio);
    return {left, top, edge(rect.x() + rect.width(), ratio) - left,
            edge(rect.y() + rect.height(), ratio) - top};
}

// How many device pixels a line `width` device-independent pixels wide covers: the nearest
// whole number, and at least one.
inline int lineWidth(qreal width, qreal ratio)
{
    return qMax(1, qRound(width * ratio));
}

} // namespace devicepixels
