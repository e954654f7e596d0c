// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "ui/accessiblenames.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>

#include <utility>

namespace accessiblenames {

namespace {

constexpr char patternProperty[] = "accessibleNamePattern";

// The caption `control` shows.
QString captionOf(const QWidget *control)
{
    const QVariant own = control->property("caption");
    return own.isValid() ? own.toString() : control->property("text").toString();
}

// A label or push button named after its caption. A button keeps its press action and its
// pressed state.
class CaptionNamed final : public QAccessibleWidget
{
public:
    CaptionNamed(QWidget *control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QString text(QAccessible::Text which) const override
    {
        if (which != QAccessible::Name)
            return QAccessibleWidget::text(which);
        return widget()->property(patternProperty).toString().arg(captionOf(widget()));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const auto *button = qobject_cast<QAbstractButton *>(widget()))
            state.pressed = button->isDown();
        return state;
    }

    QStringList actionNames() const override
    {
        if (!qobject_cast<QAbstractButton *>(widget()))
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        auto *button = qobject_cast<QAbstractButton *>(widget());
        if (button && action == pressAction())
            button->animateClick();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->property(patternProperty).isValid())
        return nullptr;
    return new CaptionNamed(widget, qobject_cast<QAbstractButton *>(widget)
                                        ? QAccessible::Button
                                        : QAccessible::StaticText);
}

} // namespace

void follow(QWidget *control, const QString &pattern)
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(factory);
    control->setProperty(patternProperty, pattern);
    // An interface made for the control before, as its caption was set while assistive
    // technology listened, gives way to one that follows the caption.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(control);
        made && !dynamic_cast<CaptionNamed *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace accessiblenames
