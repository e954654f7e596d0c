// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/accessibility.h"

#include <QAccessibleWidget>
#include <QDialog>

namespace {

// Gives every top-level window the role of a window, and every dialog that of a dialog,
// whatever its class is called. Popups and tool tips keep their own roles.
QAccessibleInterface *windowFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->isWindow())
        return nullptr;
    if (qobject_cast<QDialog *>(widget))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (widget->windowType() == Qt::Window)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleWindows()
{
    QAccessible::installFactory(windowFactory);
}
