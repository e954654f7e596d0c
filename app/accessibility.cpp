// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/accessibility.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QWindow>

namespace {

// A top-level window whose active state is its platform window's. As the active window
// changes, assistive technology asks each window whether it is active before the widgets
// know: the platform window answers right, so that the old window is told inactive and the
// new one active, and a screen reader does not speak the new window's focus twice.
class AccessibleWindow final : public QAccessibleWidget
{
public:
    AccessibleWindow(QWidget *window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const QWindow *window = widget()->windowHandle())
            state.active = window->isActive();
        return state;
    }
};

// Gives every top-level window the role of a window, and every dialog that of a dialog,
// whatever its class is called. Popups and tool tips keep their own roles.
QAccessibleInterface *windowFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->isWindow())
        return nullptr;
    if (qobject_cast<QDialog *>(widget))
        return new AccessibleWindow(widget, QAccessible::Dialog);
    if (widget->windowType() == Qt::Window)
        return new AccessibleWindow(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleWindows()
{
    QAccessible::installFactory(windowFactory);
}
