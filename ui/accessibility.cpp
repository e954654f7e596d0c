#include "accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *windowFactory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->isWindow())
        return nullptr;
    if (className == QLatin1String("About"))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (className == QLatin1String("Main") || className == QLatin1String("CharStat") ||
        className == QLatin1String("ADDice"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleWindows()
{
    QAccessible::installFactory(windowFactory);
}
