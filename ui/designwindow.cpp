// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "ui/designwindow.h"

#include "ui/fonts.h"
#include "ui/twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class EnterPressesButton final : public QObject
{
public:
    explicit EnterPressesButton(QObject *parent) : QObject(parent) {}

protected:
    // Sees the key presses that the focused control left to its window.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
        if (!button || button->window() != watched || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void setUpDesignWindow(QWidget *window, const char *name, const QString &title, int width,
                       int height)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(title);
    window->resize(twips::px(width), twips::px(height));
    window->setFont(fonts::windowDefault());
    window->installEventFilter(new EnterPressesButton(window));
}
