// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/startup.h"

#include "app/accessibility.h"
#include "app/programstyle.h"
#include "app/version.h"
#include "translations/translations.h"
#include "ui/assets.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QStyle>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isSet(const char *value)
{
    return value && *value;
}

// Whether argv holds the Qt option `name` with a value: "-name VALUE", "--name VALUE",
// "-name=VALUE" or "--name=VALUE". Qt ignores the option without one.
bool hasOption(int argc, char **argv, const char *name)
{
    const std::size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (arg[0] != '-')
            continue;
        arg += arg[1] == '-' ? 2 : 1;
        if (std::strncmp(arg, name, length) == 0 &&
            ((arg[length] == '\0' && i + 1 < argc) || arg[length] == '='))
            return true;
    }
    return false;
}

} // namespace

std::optional<std::string> defaultPlatform(const char *display, const char *waylandDisplay)
{
    if (isSet(display))
        return std::string(isSet(waylandDisplay) ? "xcb;wayland" : "xcb");
    if (isSet(waylandDisplay))
        return std::string("wayland");
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
        const char *display = hasOption(argc, argv, "display") ? ":" : std::getenv("DISPLAY");
        const std::optional<std::string> platform =
            defaultPlatform(display, std::getenv("WAYLAND_DISPLAY"));
        if (!platform) {
            std::fputs("quandrel: cannot open a display (DISPLAY and WAYLAND_DISPLAY are unset)\n",
                       stderr);
            return std::nullopt;
        }
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
    }
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
    fonts::install();
    installAccessibleWindows();
}
