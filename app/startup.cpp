// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/startup.h"

#include "app/colourscheme.h"
#include "app/programstyle.h"
#include "app/xsettings.h"
#include "app/version.h"
#include "translations/translations.h"
#include "ui/accessibility.h"
#include "ui/assets.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isSet(const char *value)
{
    return value && *value;
}

// The value of the Qt option `name` in argv: "-name VALUE", "--name VALUE", "-name=VALUE" or
// "--name=VALUE". Nothing where it is not there with a value, as Qt ignores it then.
const char *optionValue(int argc, char **argv, const char *name)
{
    const std::size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (arg[0] != '-')
            continue;
        arg += arg[1] == '-' ? 2 : 1;
        if (std::strncmp(arg, name, length) != 0)
            continue;
        if (arg[length] == '=')
            return arg + length + 1;
        if (arg[length] == '\0' && i + 1 < argc)
            return argv[i + 1];
    }
    return nullptr;
}

bool hasOption(int argc, char **argv, const char *name)
{
    return optionValue(argc, argv, name) != nullptr;
}

// Scales the program to the desktop's window scale where Qt would not (Qt reads only
// Xft.dpi), unless the user set Qt's own scale.
void followDesktopScale(const char *display)
{
    for (const char *own : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"})
        if (isSet(std::getenv(own)))
            return;
    if (const std::optional<double> scale = xsettings::extraScale(xsettings::read(display)))
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*scale));
}

// Drops a style sheet that the desktop gives the application once it runs (qt6ct does,
// when told to): its font rules would change the captions' metrics. A style sheet the user
// names with -stylesheet is set before this guard exists, and stays.
class StyleSheetGuard final : public QObject
{
public:
    explicit StyleSheetGuard(QObject *parent) : QObject(parent) {}

    // The style sheet to keep: the one the application has now.
    void keepCurrent() { m_named = qApp->styleSheet(); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const bool styled = event->type() == QEvent::StyleChange || event->type() == QEvent::Polish;
        if (styled && !m_pending && qApp->styleSheet() != m_named) {
            m_pending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    qApp->setStyleSheet(m_named);
                    m_pending = false;
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QString m_named;
    bool m_pending = false;
};

} // namespace

std::optional<std::string> defaultPlatform(const char *display, const char *waylandDisplay)
{
    if (isSet(waylandDisplay))
        return std::string(isSet(display) ? "wayland;xcb" : "wayland");
    if (isSet(display))
        return std::string("xcb");
    return std::nullopt;
}

std::optional<StartOptions> readStartOptions(int argc, char **argv)
{
    StartOptions options;
    // Qt reads "-display VALUE" and "-platform VALUE" only as two words.
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (i > 0 && equals != std::string::npos &&
            (name == "-display" || name == "--display" || name == "-platform" ||
             name == "--platform")) {
            options.arguments.push_back(name);
            options.arguments.push_back(arg.substr(equals + 1));
        } else {
            options.arguments.push_back(arg);
        }
    }
    options.styleNamed = hasOption(argc, argv, "style") || isSet(std::getenv("QT_STYLE_OVERRIDE"));

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!isSet(std::getenv("QT_QPA_PLATFORM")) && !hasOption(argc, argv, "platform")) {
        const bool displayNamed = hasOption(argc, argv, "display");
        const std::optional<std::string> platform =
            displayNamed ? std::string("xcb")
                         : defaultPlatform(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
        if (!platform) {
            std::fputs("quandrel: cannot open a display (DISPLAY and WAYLAND_DISPLAY are unset)\n",
                       stderr);
            return std::nullopt;
        }
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
    }
    const char *platform = optionValue(argc, argv, "platform");
    if (!platform)
        platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && std::strncmp(platform, "xcb", 3) == 0)
        followDesktopScale(optionValue(argc, argv, "display"));
#endif
    return options;
}

void setUpProgram(const StartOptions &options)
{
    installTranslations();
    QApplication::setApplicationName(QString::fromLatin1(quandrel::applicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(quandrel::versionString));
    QApplication::setDesktopFileName(QStringLiteral("org.quandrel.Quandrel"));
    QApplication::setWindowIcon(assets::programIcon());
    // The fixed layouts are measured in Fusion's metrics. Setting a style keeps the palette
    // the desktop's platform theme gives, light, dark or high contrast.
    if (!options.styleNamed)
        QApplication::setStyle(new ProgramStyle);
    colourscheme::follow();
    fonts::install();
    // A style sheet the desktop sets while the program runs is dropped, so its font rules
    // change no caption.
    static QPointer<StyleSheetGuard> guard;
    if (!guard) {
        guard = new StyleSheetGuard(qApp);
        qApp->installEventFilter(guard);
    }
    guard->keepCurrent();
    accessibility::install();
}
