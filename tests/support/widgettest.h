// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include "app/startup.h" // the widget suites set up the application as the program does

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

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

// The text a label, button or text box shows; empty for other controls. A button that paints
// its own caption gives it as its "caption" property.
inline QString caption(const QWidget *control)
{
    if (const QVariant own = control->property("caption"); own.isValid())
        return own.toString();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return {};
}

// The main window's dice in Roll All order: the index in the design's Die array, the first
// caption, the number of sides and the kind a screen reader names.
struct TestDie
{
    short index;
    const char *caption;
    int sides;
    const char *kind;
};
// clang-format off
inline constexpr TestDie testDice[] = {
    {0, "4", 4, "four-sided die"},     {1, "6", 6, "six-sided die"},
    {2, "8", 8, "eight-sided die"},    {3, "10", 10, "ten-sided die"},
    {4, "12", 12, "twelve-sided die"}, {5, "20", 20, "twenty-sided die"},
    {8, "%", 10, "percentile tens die"}, {9, "100", 100, "hundred-sided die"},
};
// clang-format on

// Puts `text` into `control` as an input method does, committing it whole: a full-width or
// Arabic-Indic digit, which no key of the keyboard types.
inline void commitText(QWidget *control, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(control, &event);
}

// Opens `control`'s context menu as the menu key does, and returns it while it is shown
// (nullptr if none opened); the caller closes it.
inline QMenu *openContextMenu(QWidget *control)
{
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4),
                            control->mapToGlobal(QPoint(4, 4)));
    QCoreApplication::sendEvent(control, &event);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *menu = qobject_cast<QMenu *>(w); menu && menu->isVisible())
            return menu;
    return nullptr;
}

// The shown top-level window whose design name is `name`, or nullptr. Fails the test when
// there are two.
template <class T = QWidget> T *shownWindow(const char *name)
{
    T *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() != QLatin1String(name) || !w->isVisible())
            continue;
        if (found)
            qFatal("two %s windows are shown", name);
        found = qobject_cast<T *>(w);
    }
    return found;
}

// The main window's button that opens the window named `name` ("CharStat", "ADDice" or
// "About"); null for any other name.
inline const char *openerOf(const QString &name)
{
    const char *const buttons[][2] = {
        {"CharStat", "CharShow"}, {"ADDice", "AdShow"}, {"About", "AbShow"}};
    for (const auto &[window, button] : buttons)
        if (name == QLatin1String(window))
            return button;
    return nullptr;
}

// The window named `name` ("Main", "CharStat", "ADDice" or "About"), opened as a user opens
// it: by its button on the shown main window `main`. Null when none is shown.
inline QWidget *openWindow(QWidget &main, const QString &name)
{
    if (const char *button = openerOf(name))
        QTest::mouseClick(child<QAbstractButton>(main, button), Qt::LeftButton);
    return shownWindow(qPrintable(name));
}

// Closes every shown top-level window but `keep`, and lets them be destroyed.
inline void closeWindowsBut(const QWidget *keep)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != keep && w->isVisible())
            w->close();
    flushDeletes();
}

// Records what the program has a screen reader announce, while it lives. Turns the
// platform's accessibility on, as an assistive technology does.
class Announcements final
{
public:
    Announcements()
    {
        s_heard = &heard;
        s_shown.clear();
        m_previous = QAccessible::installUpdateHandler(&record);
        platform()->setActive(true);
        // A screen reader that starts speaks what has the focus, by its name.
        if (QWidget *focus = QApplication::focusWidget())
            QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name);
    }
    ~Announcements()
    {
        platform()->setActive(false);
        QAccessible::installUpdateHandler(m_previous);
        s_heard = nullptr;
    }
    Announcements(const Announcements &) = delete;
    Announcements &operator=(const Announcements &) = delete;

    QStringList heard;

private:
    static QPlatformAccessibility *platform()
    {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static void record(QAccessibleEvent *event)
    {
        if (event->type() == QAccessible::Focus && event->accessibleInterface())
            event->accessibleInterface()->text(QAccessible::Name); // spoken as it comes
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement)
            s_heard->append(static_cast<QAccessibleAnnouncementEvent *>(event)->message());
#else
        // A notification that appears is what screen readers speak; inside a status bar,
        // they speak its text alone.
        if (event->type() != QAccessible::ObjectShow)
            return;
        QAccessibleInterface *iface = event->accessibleInterface();
        if (!iface || iface->role() != QAccessible::Notification)
            return;
        // A screen reader reads a notification's text late, and skips an object shown again
        // before it has read it: each must be an object of its own, and keep its text.
        const QAccessible::Id id = QAccessible::uniqueId(iface);
        for (const auto &[earlier, said] : std::as_const(s_shown)) {
            const QAccessibleInterface *was = QAccessible::accessibleInterface(earlier);
            if (earlier == id || !was || was->text(QAccessible::Name) != said)
                s_heard->append(QStringLiteral("(gone or served again: %1)").arg(said));
        }
        s_shown.append({id, iface->text(QAccessible::Name)});
        const bool inStatusBar =
            iface->parent() && iface->parent()->role() == QAccessible::StatusBar;
        s_heard->append((inStatusBar ? QString() : QStringLiteral("notification: ")) +
                        iface->text(QAccessible::Name));
#endif
    }

    static inline QStringList *s_heard = nullptr;
    static inline QList<std::pair<QAccessible::Id, QString>> s_shown;
    QAccessible::UpdateHandler m_previous = nullptr;
};
