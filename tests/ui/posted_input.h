// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Input handed to Qt the way the window system hands it over: queued as a window-system event
// and turned into a Qt event only when the event loop gets to it, so the widget under the point
// (or the focus widget, for a key) then takes it. Made while a pick pauses, it runs at the pick's
// next pump, nested in the pick.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace ui::testing {

using Delivery = QWindowSystemInterface::AsynchronousDelivery;

inline void postMouseClick(QWidget& window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QWindow* handle = window.windowHandle();
    const QPointF local(at);
    const QPointF global = window.mapToGlobal(local);
    QWindowSystemInterface::handleMouseEvent<Delivery>(handle, local, global, button, button,
                                                       QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Delivery>(handle, local, global, Qt::NoButton, button,
                                                       QEvent::MouseButtonRelease);
}

// A click at the centre of a control's place in the window.
inline void postMouseClick(QWidget& window, const QWidget& target) {
    postMouseClick(window, target.mapTo(&window, target.rect().center()));
}

inline void postKey(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = {}, bool autoRepeat = false) {
    QWindow* handle = window.windowHandle();
    QWindowSystemInterface::handleKeyEvent<Delivery>(handle, QEvent::KeyPress, key, modifiers, text,
                                                     autoRepeat);
    QWindowSystemInterface::handleKeyEvent<Delivery>(handle, QEvent::KeyRelease, key, modifiers,
                                                     text, autoRepeat);
}

// Runs the event loop until nothing waits: what the player sees then is a quiet table. Events
// posted while handlers run wait for the next pass, so it makes passes until one finds the
// window system's queue empty, and one more for what that pass posted.
inline void settle() {
    for (int pass = 0; pass < 1000; ++pass) {
        const bool waiting = QWindowSystemInterface::windowSystemEventsQueued() > 0;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!waiting && QWindowSystemInterface::windowSystemEventsQueued() == 0) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            return;
        }
    }
}

} // namespace ui::testing
