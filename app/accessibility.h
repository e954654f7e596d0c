// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

// Makes the program's top-level windows known to assistive technology as windows
// (dialogs as dialogs) rather than as plain panes. Call once at start-up.
void installAccessibleWindows();
