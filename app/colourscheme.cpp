// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/colourscheme.h"

#include "ui/palette.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QStringList>

#include <optional>

namespace colourscheme {

Preference fromPortal(uint value)
{
    switch (value) {
    case 1:
        return Preference::Dark;
    case 2:
        return Preference::Light;
    default:
        return Preference::None;
    }
}

Preference fromGnome(const QString &printed)
{
    const QString value = printed.trimmed().remove(QLatin1Char('\''));
    if (value == QLatin1String("prefer-dark"))
        return Preference::Dark;
    if (value == QLatin1String("prefer-light"))
        return Preference::Light;
    return Preference::None;
}

QPalette darkPalette()
{
    // GNOME's dark theme (Adwaita dark); the shades of light, mid and dark follow from the
    // button colour.
    const QColor text(0xee, 0xee, 0xec);
    const QColor insensitive(0x91, 0x91, 0x90);
    QPalette palette(QColor(0x3a, 0x3a, 0x3a), QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    palette.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x35, 0x84, 0xe4));
    palette.setColor(QPalette::ToolTipBase, QColor(0x1e, 0x1e, 0x1e));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, insensitive);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, insensitive);
    return palette;
}

QPalette paletteFor(Preference preference, const QPalette &themePalette)
{
    return preference == Preference::Dark && !isDark(themePalette) ? darkPalette() : themePalette;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString portalInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colourSchemeKey = QStringLiteral("color-scheme");
// How long to wait for an answer at start-up, in milliseconds.
constexpr int answerTime = 1000;

// The value inside any number of D-Bus variants: the portal's Read wraps it twice.
QVariant unwrapped(QVariant value)
{
    while (value.canConvert<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

// The preference as the portal gives it, where a portal is running; nothing otherwise. Asks
// only a running portal, so that no portal is started for it.
std::optional<Preference> fromRunningPortal(QDBusConnection &bus)
{
    if (!bus.interface()->isServiceRegistered(portalService))
        return std::nullopt;
    QDBusMessage read = QDBusMessage::createMethodCall(portalService, portalPath, portalInterface,
                                                       QStringLiteral("Read"));
    read << appearance << colourSchemeKey;
    const QDBusMessage reply = bus.call(read, QDBus::Block, answerTime);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return fromPortal(unwrapped(reply.arguments().constFirst()).toUInt());
}

// GNOME's own setting, on a GNOME desktop.
std::optional<Preference> fromGnomeSetting()
{
    if (!qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1String("GNOME")))
        return std::nullopt;
    QProcess gsettings;
    gsettings.start(QStringLiteral("gsettings"),
                    {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                     colourSchemeKey});
    if (!gsettings.waitForFinished(answerTime) || gsettings.exitCode() != 0)
        return std::nullopt;
    return fromGnome(QString::fromUtf8(gsettings.readAllStandardOutput()));
}

// Sets the palette for each preference the desktop announces.
class Follower final : public QObject
{
    Q_OBJECT

public:
    explicit Follower(QObject *parent) : QObject(parent), m_theme(QApplication::palette()) {}

    void apply(Preference preference) { QApplication::setPalette(paletteFor(preference, m_theme)); }

public slots:
    // The portal's SettingChanged(namespace, key, value).
    void portalChanged(const QString &group, const QString &key, const QDBusVariant &value)
    {
        if (group == appearance && key == colourSchemeKey)
            apply(fromPortal(unwrapped(value.variant()).toUInt()));
    }
    // dconf's Notify(prefix, changes, tag), for GNOME's own setting where no portal runs.
    void dconfChanged(const QString &prefix, const QStringList &changes, const QString &)
    {
        static const QString key = QStringLiteral("/org/gnome/desktop/interface/color-scheme");
        if (prefix == key || (key.startsWith(prefix) && changes.contains(key.mid(prefix.size()))))
            if (const std::optional<Preference> preference = fromGnomeSetting())
                apply(*preference);
    }

private:
    QPalette m_theme; // the platform theme's palette
};

} // namespace

void follow()
{
    const QString platform = QGuiApplication::platformName();
    if (!platform.startsWith(QLatin1String("xcb")) && !platform.startsWith(QLatin1String("wayland")))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto *follower = new Follower(qApp);
    bus.connect(portalService, portalPath, portalInterface, QStringLiteral("SettingChanged"),
                follower, SLOT(portalChanged(QString, QString, QDBusVariant)));
    std::optional<Preference> preference = fromRunningPortal(bus);
    if (!preference) {
        bus.connect(QString(), QStringLiteral("/ca/desrt/dconf/Writer/user"),
                    QStringLiteral("ca.desrt.dconf.Writer"), QStringLiteral("Notify"), follower,
                    SLOT(dconfChanged(QString, QStringList, QString)));
        preference = fromGnomeSetting();
    }
    if (preference == Preference::Dark)
        follower->apply(*preference);
}

#else

void follow() {}

#endif

} // namespace colourscheme

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#include "colourscheme.moc"
#endif
