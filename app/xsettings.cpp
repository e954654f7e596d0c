// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/xsettings.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#if QUANDREL_X11
#include "ui/x11.h"
#endif

namespace xsettings {

namespace {

// Reads the settings' fields in the byte order the data names, never past its end.
class Reader
{
public:
    explicit Reader(std::string_view data) : m_data(data) {}

    bool ok() const { return m_ok; }
    void setBigEndian(bool big) { m_big = big; }

    std::uint32_t card(std::size_t bytes)
    {
        if (!has(bytes))
            return 0;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i) {
            const auto byte = std::uint8_t(m_data[m_at + (m_big ? i : bytes - 1 - i)]);
            value = value << 8 | byte;
        }
        m_at += bytes;
        return value;
    }
    std::string_view bytes(std::size_t count)
    {
        if (!has(count))
            return {};
        const std::string_view read = m_data.substr(m_at, count);
        m_at += count;
        return read;
    }
    // Skips to the next multiple of four bytes.
    void align() { bytes((4 - m_at % 4) % 4); }

private:
    bool has(std::size_t count)
    {
        m_ok = m_ok && count <= m_data.size() - m_at;
        return m_ok;
    }

    std::string_view m_data;
    std::size_t m_at = 0;
    bool m_big = false;
    bool m_ok = true;
};

enum Type : std::uint8_t
{
    Integer = 0,
    String = 1,
    Colour = 2,
};

constexpr double baseDpi = 96;
constexpr int dpiUnit = 1024; // Xft/DPI is given in 1024ths of a dot per inch

} // namespace

std::map<std::string, int> integers(std::string_view data)
{
    std::map<std::string, int> found;
    Reader reader(data);
    reader.setBigEndian(reader.card(1) == 1);
    reader.bytes(3);     // unused
    reader.card(4);      // the manager's serial
    std::uint32_t count = reader.card(4);
    while (reader.ok() && count-- > 0) {
        const auto type = std::uint8_t(reader.card(1));
        reader.bytes(1); // unused
        const std::string_view name = reader.bytes(reader.card(2));
        reader.align();
        reader.card(4); // the serial of its last change
        if (type == Integer) {
            const auto value = std::int32_t(reader.card(4));
            if (reader.ok())
                found[std::string(name)] = value;
        } else if (type == String) {
            reader.bytes(reader.card(4));
            reader.align();
        } else if (type == Colour) {
            reader.bytes(8);
        } else {
            break; // a type this reader does not know: its length is unknown too
        }
    }
    return found;
}

std::optional<double> extraScale(const std::map<std::string, int> &settings)
{
    const auto scaling = settings.find("Gdk/WindowScalingFactor");
    if (scaling == settings.end() || scaling->second <= 1)
        return std::nullopt;
    const auto dpi = settings.find("Xft/DPI");
    const double desktopDpi =
        dpi != settings.end() && dpi->second > 0 ? double(dpi->second) / dpiUnit : baseDpi;
    const double scale = scaling->second * baseDpi / desktopDpi;
    if (scale <= 1)
        return std::nullopt;
    return scale;
}

std::map<std::string, int> read(const char *display)
{
#if QUANDREL_X11
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(display, &screen);
    std::map<std::string, int> found;
    if (!xcb_connection_has_error(connection)) {
        // The settings manager owns the selection _XSETTINGS_Sn of screen n, and keeps the
        // settings in a property of that selection's window.
        const std::string selection = "_XSETTINGS_S" + std::to_string(screen);
        xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
            connection,
            xcb_get_selection_owner(connection, x11::atom(connection, selection.c_str())),
            nullptr);
        if (owner && owner->owner != XCB_WINDOW_NONE) {
            const QByteArray settings =
                x11::property(connection, owner->owner, "_XSETTINGS_SETTINGS", 8, 1 << 18);
            found = integers(std::string_view(settings.constData(), std::size_t(settings.size())));
        }
        std::free(owner);
    }
    xcb_disconnect(connection);
    return found;
#else
    (void)display;
    return {};
#endif
}

} // namespace xsettings
