// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

class QString;
class QWidget;

// Has the screen reader speak a short message, such as the result of a roll, without moving
// the keyboard focus. Draws nothing, and does nothing while no assistive technology listens.
namespace announcer {

// Whether an assistive technology listens, so that a message is worth composing.
bool listening();

// Speaks `message` for `window`, one of the program's top-level windows, every time, even
// when it repeats the last message.
void announce(QWidget *window, const QString &message);

} // namespace announcer
