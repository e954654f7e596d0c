// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

class QString;
class QWidget;

// Accessible names that follow a control's caption.
namespace accessiblenames {

// Gives `control`, a label or a push button, the accessible name `pattern` with the caption
// it shows put in for "%1" ("four-sided die: %1"). The name is worked out whenever assistive
// technology asks for it, so it is right after every change of the caption, and the change
// sends no event of its own: a screen reader that speaks a roll's result does not hear it
// again as a new name. A button that paints its own caption gives it as its "caption"
// property; others give their text. Call before anything asks for the control's accessible
// interface, as in the window's constructor.
void follow(QWidget *control, const QString &pattern);

} // namespace accessiblenames
