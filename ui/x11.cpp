// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "ui/x11.h"

#include <cstdlib>
#include <cstring>

namespace x11 {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

QByteArray property(xcb_connection_t *connection, xcb_window_t window, const char *property,
                    int format, int longest)
{
    QByteArray value;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, atom(connection, property),
                         XCB_GET_PROPERTY_TYPE_ANY, 0, std::uint32_t(longest + 3) / 4),
        nullptr);
    if (reply && reply->format == format)
        value = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply) * format / 8);
    std::free(reply);
    return value;
}

} // namespace x11
