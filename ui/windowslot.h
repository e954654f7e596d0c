// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

// One process-wide instance of a secondary window. Making the slot builds nothing.
// open() loads the window when it is not loaded (the loader builds its controls and
// runs its load step), then shows it as an independent, modeless top-level window and
// brings it to the front. Closing the window destroys it and all it shows; the slot
// stays, and the next open() loads a fresh window.
class WindowSlot final
{
public:
    using Loader = std::function<QWidget *()>;

    explicit WindowSlot(Loader loader);
    WindowSlot(const WindowSlot &) = delete;
    WindowSlot &operator=(const WindowSlot &) = delete;
    ~WindowSlot();

    // Loads the window if needed and shows it. An open window is left as it is,
    // apart from being restored from minimised and raised.
    QWidget *open();
    // The loaded window, or nullptr while it is closed.
    QWidget *window() const { return m_window; }

private:
    Loader m_loader;
    QPointer<QWidget> m_window;
};
