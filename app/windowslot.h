// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

// Where the main window keeps one secondary window. Making the slot makes no window.
// open() makes the window when there is none (the maker builds it with its controls at
// their first values), then shows it as an independent, modeless top-level window and
// brings it to the front with the keyboard focus where the window system allows it, never
// moving, resizing or hiding it. Closing the window destroys it and all
// it shows; the slot stays, and the next open() makes a fresh window.
class WindowSlot final
{
public:
    using Maker = std::function<QWidget *()>;

    explicit WindowSlot(Maker maker);
    WindowSlot(const WindowSlot &) = delete;
    WindowSlot &operator=(const WindowSlot &) = delete;
    ~WindowSlot();

    // Makes the window if there is none, and shows it. An open window is left as it is,
    // apart from being restored from minimised and raised.
    QWidget *open();
    // The window, or nullptr while it is closed.
    QWidget *window() const { return m_window; }

private:
    Maker m_maker;
    QPointer<QWidget> m_window;
};
