// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QString>
#include <QStringList>

#include <concepts>
#include <functional>
#include <utility>

class QAccessibleInterface;
class QObject;
class QWidget;

// Has the screen reader speak a short message, such as the result of a roll, without moving
// the keyboard focus. Draws nothing, and does nothing while no assistive technology listens.
namespace announcer {

// The accessible interface of an object the announcer made, or nullptr for any other; the
// program's accessibility factory asks it first.
QAccessibleInterface *accessibleInterface(QObject *object);

// Whether an assistive technology listens.
bool listening();

// Speaks `message` for `window`, one of the program's top-level windows, every time, even
// when it repeats the last message. `read`, if given, is called once the screen reader reads
// the message to speak it, which it does after presenting everything it was told of before;
// or at once where that cannot be told.
void announce(QWidget *window, const QString &message, std::function<void()> read = {});

// `items` as one spoken list: "4, 1, 6".
QString list(const QStringList &items);

// Speaks the message `compose` returns; composes it only while an assistive technology
// listens, so that a click costs nothing otherwise.
template <std::invocable Compose>
void announce(QWidget *window, Compose compose, std::function<void()> read = {})
{
    announce(window, listening() ? QString(compose()) : QString(), std::move(read));
}

} // namespace announcer
