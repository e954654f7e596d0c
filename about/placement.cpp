// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "about/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#if QUANDREL_X11
#include "ui/x11.h"

#include <QtGui/qguiapplication_platform.h>

#include <cmath>
#include <cstdlib>
#endif

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

#if QUANDREL_X11

namespace {

// The X server's connection, where the program runs on X11.
xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection()
                                                                            : nullptr;
}

// The first `count` 32-bit values of `property` of `window`; none where it has fewer.
QList<quint32> cardinals(xcb_connection_t *connection, xcb_window_t window, const char *property,
                         int count)
{
    const qsizetype bytes = qsizetype(sizeof(quint32)) * count;
    const QByteArray value = x11::property(connection, window, property, 32, int(bytes));
    if (value.size() < bytes)
        return {};
    const auto *data = reinterpret_cast<const quint32 *>(value.constData());
    return {data, data + count};
}

// A rectangle of device-independent pixels in device pixels, by `ratio`.
QRect native(const QRect &rect, qreal ratio)
{
    const auto px = [ratio](int v) { return int(std::lround(v * ratio)); };
    return {QPoint(px(rect.left()), px(rect.top())),
            QPoint(px(rect.right() + 1) - 1, px(rect.bottom() + 1) - 1)};
}

} // namespace

void placeOnScreen(QWindow *window, QPoint clientPosition)
{
    xcb_connection_t *connection = x11Connection();
    QScreen *screen = QGuiApplication::screenAt(clientPosition);
    if (!screen)
        screen = window->screen();
    if (!connection || !screen)
        return;
    const auto id = xcb_window_t(window->winId());
    xcb_get_geometry_reply_t *geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
    xcb_translate_coordinates_reply_t *at = xcb_translate_coordinates_reply(
        connection,
        xcb_translate_coordinates(connection, id, geometry ? geometry->root : xcb_window_t(XCB_WINDOW_NONE), 0,
                                  0),
        nullptr);
    if (geometry && at) {
        const qreal ratio = window->devicePixelRatio();
        const xcb_window_t root = geometry->root;
        const QRect client(at->dst_x, at->dst_y, geometry->width, geometry->height);
        // The frame the window manager drew, and the part of the screen windows may take,
        // as the window manager gives them; the screen's edges bound both.
        const QList<quint32> extents = cardinals(connection, id, "_NET_FRAME_EXTENTS", 4);
        const QMargins frame = extents.isEmpty()
                                   ? QMargins()
                                   : QMargins(int(extents[0]), int(extents[2]),
                                              int(extents[1]), int(extents[3]));
        xcb_get_geometry_reply_t *rootGeometry =
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, root), nullptr);
        QRect available = native(screen->geometry(), ratio);
        if (rootGeometry)
            available &= QRect(0, 0, rootGeometry->width, rootGeometry->height);
        std::free(rootGeometry);
        if (const QList<quint32> area = cardinals(connection, root, "_NET_WORKAREA", 4);
            !area.isEmpty())
            available &= QRect(int(area[0]), int(area[1]), int(area[2]), int(area[3]));
        const QPoint fromOrigin = clientPosition - screen->geometry().topLeft();
        const QPoint wanted = native(screen->geometry(), ratio).topLeft() +
                              QPoint(int(std::lround(fromOrigin.x() * ratio)),
                                     int(std::lround(fromOrigin.y() * ratio)));
        const QRect outer =
            placedWithin(QRect(wanted, client.size()).marginsAdded(frame), available);
        const QPoint placed = outer.topLeft() + QPoint(frame.left(), frame.top());
        if (placed != client.topLeft()) {
            // Qt asks for static gravity, so the window manager puts the client area there.
            const std::uint32_t values[] = {std::uint32_t(placed.x()), std::uint32_t(placed.y())};
            xcb_configure_window(connection, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y,
                                 values);
            xcb_flush(connection);
        }
    }
    std::free(at);
    std::free(geometry);
}

void addWindowState(QWindow *window, const char *state)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const xcb_atom_t property = x11::atom(connection, "_NET_WM_STATE");
    const xcb_atom_t value = x11::atom(connection, state);
    if (property == XCB_ATOM_NONE || value == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()),
                        property, XCB_ATOM_ATOM, 32, 1, &value);
    xcb_flush(connection);
}

#else

void placeOnScreen(QWindow *, QPoint) {}
void addWindowState(QWindow *, const char *) {}

#endif
