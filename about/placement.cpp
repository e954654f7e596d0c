// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "about/placement.h"

QRect placedWithin(QRect window, const QRect &available)
{
    if (window.left() < available.left())
        window.moveLeft(available.left());
    if (window.right() > available.right())
        window.moveRight(available.right());
    if (window.bottom() > available.bottom())
        window.moveBottom(available.bottom());
    if (window.top() < available.top())
        window.moveTop(available.top());
    return window;
}
