#include "accessibility.h"
#include "assets.h"
#include "fonts.h"
#include "mainwindow.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(quandrel::applicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(quandrel::versionString));
    QApplication::setDesktopFileName(QStringLiteral("org.quandrel.Quandrel"));
    QApplication::setWindowIcon(assets::programIcon());
    fonts::install();
    installAccessibleWindows();

    Main window(dice::processSource());
    window.show();
    return QApplication::exec();
}
