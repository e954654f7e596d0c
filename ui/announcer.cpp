// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "ui/announcer.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>

#include <utility>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleWidget>
#endif

namespace announcer {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// Before Qt 6.8 there is no announcement event. What screen readers do speak without
// moving the focus is a notification that appears: an object with the role Notification
// that is shown. Inside a status bar, Orca speaks its text alone, without the word
// "notification". So each window keeps one zero-sized status bar holding one such
// notification, and for every announcement the notification is hidden, given the message
// and shown again.
class StatusArea final : public QWidget
{
public:
    explicit StatusArea(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("announcements"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        notice->setGeometry(0, 0, 0, 0);
        notice->hide();
        show();
    }

    QWidget *notice = new QWidget(this);
    QString message;
};

class AccessibleNotice final : public QAccessibleWidget
{
public:
    explicit AccessibleNotice(QWidget *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Name
                   ? static_cast<StatusArea *>(widget()->parentWidget())->message
                   : QString();
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *area = dynamic_cast<StatusArea *>(object))
        return new QAccessibleWidget(area, QAccessible::StatusBar);
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && dynamic_cast<StatusArea *>(widget->parentWidget()))
        return new AccessibleNotice(widget);
    return nullptr;
}

StatusArea *statusAreaOf(QWidget *window)
{
    // Installed once the application runs, so that it comes before Qt's own factories.
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(factory);
    for (QObject *child : window->children())
        if (auto *area = dynamic_cast<StatusArea *>(child))
            return area;
    return new StatusArea(window);
}

} // namespace
#endif

bool listening()
{
    return QAccessible::isActive();
}

QString list(const QStringList &items)
{
    return items.join(
        QCoreApplication::translate("announcer", ", ", "between the items of a spoken list"));
}

void announce(QWidget *window, const QString &message)
{
    if (!listening())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, message);
    QAccessible::updateAccessibility(&event);
#else
    StatusArea *area = statusAreaOf(window);
    area->notice->hide();
    area->message = message;
    area->notice->show();
#endif
}

} // namespace announcer
