// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "announcer.h"

#include <QAccessible>
#include <QWidget>

#include <utility>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleWidget>
#endif

namespace announcer {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// Before Qt 6.8 there is no announcement event. What screen readers do speak without
// moving the focus is a notification appearing: an object with the role Notification that
// is shown. So each window keeps one such object, empty and zero-sized, and hides it, gives
// it the message and shows it again for every announcement.
class Notice final : public QWidget
{
public:
    explicit Notice(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("announcement"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }

    QString message;
};

class AccessibleNotice final : public QAccessibleWidget
{
public:
    explicit AccessibleNotice(Notice *notice) : QAccessibleWidget(notice, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Name ? static_cast<Notice *>(widget())->message : QString();
    }
};

QAccessibleInterface *noticeFactory(const QString &, QObject *object)
{
    auto *notice = dynamic_cast<Notice *>(object);
    return notice ? new AccessibleNotice(notice) : nullptr;
}

Notice *noticeOf(QWidget *window)
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(noticeFactory);
    for (QObject *child : window->children())
        if (auto *notice = dynamic_cast<Notice *>(child))
            return notice;
    return new Notice(window);
}

} // namespace
#endif

bool listening()
{
    return QAccessible::isActive();
}

void announce(QWidget *window, const QString &message)
{
    if (!listening())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, message);
    QAccessible::updateAccessibility(&event);
#else
    Notice *notice = noticeOf(window);
    notice->hide();
    notice->message = message;
    notice->show();
#endif
}

} // namespace announcer
