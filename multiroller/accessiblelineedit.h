// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

// Gives every line edit of the program, the count box and the die box's field, an accessible
// interface of its own, made of the line edit's public calls. Qt's own line edit interface
// answers every question for text attributes with an empty run at the offset asked, which
// makes a screen reader that joins the runs drop the last character of what it speaks ("# of
// Roll"); and asked for the word at the start of a text that begins with no letter ("# of
// Rolls"), it never returns. Here the attributes are one run over the whole text, and a word
// is the piece between the boundaries on either side of the offset. Call once the
// application exists, before a line edit is asked for.
void installAccessibleLineEdits();
