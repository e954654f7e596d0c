// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "app/windowslot.h"

#include <QGuiApplication>
#include <QTimer>

namespace {

// How long a Wayland compositor has to grant an activation before the window is mapped anew.
constexpr int activationGrace = 250; // milliseconds

} // namespace

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
    const bool wasOpen = m_window->isVisible();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    // Wayland has no request to raise a window, and a compositor without the activation
    // protocol (weston 10) ignores the request to activate it. A window still inactive a
    // moment later is mapped anew, which such a compositor stacks on top with the keyboard
    // focus, in a place it chooses.
    if (wasOpen && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        QTimer::singleShot(activationGrace, m_window, [window = m_window] {
            if (window && window->isVisible() && !window->isActiveWindow()) {
                window->hide();
                window->show();
            }
        });
    return m_window;
}
