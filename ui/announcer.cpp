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
// "notification". So each window keeps one zero-sized status bar, and every announcement
// is a notification of its own there, shown as the one before it is hidden. A screen
// reader reads a notification's text some time after it appears, and skips a second
// appearance of one object that it has not yet handled as a repeat: a notification that
// served again would lose announcements, or speak a later one's text in an earlier one's
// turn. So each keeps its own text, and the last few stay for the reader to read.
// A notification, the only kind of child a status area has.
class Notice final : public QWidget
{
    Q_DISABLE_COPY_MOVE(Notice)

public:
    Notice(QWidget *area, QString message, std::function<void()> read)
        : QWidget(area), message(std::move(message)), m_read(std::move(read))
    {
        setGeometry(0, 0, 0, 0);
    }
    ~Notice() override { markRead(); }

    // Calls the caller's `read` the first time, as the message is read out or goes.
    void markRead()
    {
        if (const std::function<void()> read = std::exchange(m_read, {}))
            read();
    }

    const QString message;

private:
    std::function<void()> m_read; // called as the screen reader reads the message out
};

class StatusArea final : public QWidget
{
public:
    explicit StatusArea(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("announcements"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        show();
    }

    void announce(const QString &message, std::function<void()> read)
    {
        // As many as fast presses give while a busy screen reader catches up.
        constexpr qsizetype kept = 32;
        if (!notices.isEmpty())
            notices.back()->hide();
        if (notices.size() == kept)
            delete notices.takeFirst();
        notices.append(new Notice(this, message, std::move(read)));
        notices.back()->show();
    }

private:
    QList<Notice *> notices; // oldest first, the last one shown
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
        return which == QAccessible::Name ? static_cast<Notice *>(widget())->message : QString();
    }

    // Orca asks a notification what labels it, as it puts together what it says for it:
    // not as the notification comes in, nor as it looks for what lies under the pointer.
    // It has then presented what came before it.
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        static_cast<Notice *>(widget())->markRead();
        return QAccessibleWidget::relations(match);
    }
};

StatusArea *statusAreaOf(QWidget *window)
{
    for (QObject *child : window->children())
        if (auto *area = dynamic_cast<StatusArea *>(child))
            return area;
    return new StatusArea(window);
}

} // namespace
#endif

QAccessibleInterface *accessibleInterface(QObject *object)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (auto *area = dynamic_cast<StatusArea *>(object))
        return new QAccessibleWidget(area, QAccessible::StatusBar);
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && dynamic_cast<StatusArea *>(widget->parentWidget()))
        return new AccessibleNotice(widget);
#else
    Q_UNUSED(object);
#endif
    return nullptr;
}

bool listening()
{
    return QAccessible::isActive();
}

QString list(const QStringList &items)
{
    return items.join(
        QCoreApplication::translate("announcer", ", ", "between the items of a spoken list"));
}

void announce(QWidget *window, const QString &message, std::function<void()> read)
{
    if (!listening()) {
        if (read)
            read();
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, message);
    QAccessible::updateAccessibility(&event);
    if (read)
        read();
#else
    statusAreaOf(window)->announce(message, std::move(read));
#endif
}

} // namespace announcer
