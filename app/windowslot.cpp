// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/windowslot.h"

WindowSlot::WindowSlot(Maker maker) : m_maker(std::move(maker)) {}

WindowSlot::~WindowSlot()
{
    delete m_window.data();
}

QWidget *WindowSlot::open()
{
    if (!m_window) {
        QWidget *made = m_maker();
        made->setAttribute(Qt::WA_DeleteOnClose);
        m_window = made;
    }
    if (m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    // Where it stands, at its size: raised and activated where the window system allows it.
    // Wayland has no request to raise a window; there the compositor decides whether to
    // activate it, which also raises it.
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}
