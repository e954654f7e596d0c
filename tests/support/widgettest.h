#pragma once

#include "program.h" // the widget suites set up the application as the program does

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

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
