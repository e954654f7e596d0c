// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "about/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

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

void placeOnScreen(QWindow *window, QPoint clientPosition)
{
    // The platform window and screen give the geometry and the frame in device pixels.
    QPlatformWindow *platform = window->handle();
    QScreen *screen = QGuiApplication::screenAt(clientPosition);
    if (!screen)
        screen = window->screen();
    if (!platform || !screen)
        return;
    const QPoint fromOrigin = clientPosition - screen->geometry().topLeft();
    const QPoint wanted = screen->handle()->geometry().topLeft() +
                          QPoint(qRound(fromOrigin.x() * screen->devicePixelRatio()),
                                 qRound(fromOrigin.y() * screen->devicePixelRatio()));
    const QMargins frame = platform->frameMargins();
    const QRect client = platform->geometry();
    const QRect outer = placedWithin(QRect(wanted, client.size()).marginsAdded(frame),
                                     screen->handle()->availableGeometry());
    const QRect placed(outer.topLeft() + QPoint(frame.left(), frame.top()), client.size());
    if (placed != client)
        platform->setGeometry(placed);
}
