#include "program.h"

#include "accessibility.h"
#include "assets.h"
#include "fonts.h"
#include "version.h"

#include <QApplication>

void setUpProgram()
{
    QApplication::setApplicationName(QString::fromLatin1(quandrel::applicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(quandrel::versionString));
    QApplication::setDesktopFileName(QStringLiteral("org.quandrel.Quandrel"));
    QApplication::setWindowIcon(assets::programIcon());
    fonts::install();
    installAccessibleWindows();
}
