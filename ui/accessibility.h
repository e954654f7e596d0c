// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

class QString;
class QWidget;

// What assistive technology is told about the program's controls, through one accessibility
// factory for the whole program: the top-level windows as windows and dialogs, labels and
// buttons named after their captions, the announcer's notices, and every line edit, whose
// edits through assistive technology go in as the user's own. It sits in ui/ because every
// window and the announcer rely on it, and start-up installs it once, so that what answers
// for a control never depends on which window opened first.
namespace accessibility {

// Installs the program's accessibility factory. Call once the application exists, before
// any window is made; later calls do nothing.
void install();

// Gives `control`, a label or a push button, the accessible name `pattern` with the caption
// it shows put in for "%1" ("four-sided die: %1"). The name is worked out whenever assistive
// technology asks for it, so it is right after every change of the caption, and the change
// sends no event of its own: a screen reader that speaks a roll's result does not hear it
// again as a new name. A button that paints its own caption gives it as its "caption"
// property; others give their text. Call in the window's constructor.
void nameAfterCaption(QWidget *control, const QString &pattern);

// Keeps the name of `control`, named after its caption, at what the caption shows now, until
// releaseName(), whatever the caption shows meanwhile.
void holdName(QWidget *control);
void releaseName(QWidget *control);

} // namespace accessibility
