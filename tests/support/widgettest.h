#pragma once

#include "accessibility.h"
#include "assets.h"
#include "fonts.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

// Common set-up of the widget suites: the program's fonts and icon, as main() sets them.
inline void setUpLikeTheProgram()
{
    fonts::install();
    installAccessibleWindows();
    QApplication::setWindowIcon(assets::programIcon());
}

// Lets windows closed with WA_DeleteOnClose be destroyed.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QString accessibleText(QWidget *widget, QAccessible::Text which)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(which) : QString();
}
