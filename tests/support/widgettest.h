// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

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

// The child of `parent` named `name`. Ends the run with a message when there is none, so
// no test goes on with a null control.
template <class T = QWidget> T *child(const QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s named %s", qPrintable(parent.objectName()),
               T::staticMetaObject.className(), name);
    return found;
}

inline QString accessibleText(QWidget *widget, QAccessible::Text which)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(which) : QString();
}
