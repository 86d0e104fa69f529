// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility/posted_click.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace ui::accessibility {

bool postClick(const QWidget& target) {
    const QWidget* window = target.window();
    QWindow* handle = window->windowHandle();
    if (handle == nullptr || !window->isVisible()) {
        return false;
    }
    // The window's widget fills its native window, so their coordinates are the same.
    const QPointF at = target.mapTo(window, QRectF(target.rect()).center());
    const QPointF global = window->mapToGlobal(at);
    QCoreApplication::postEvent(handle,
                                new QMouseEvent(QEvent::MouseButtonPress, at, at, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(handle,
                                new QMouseEvent(QEvent::MouseButtonRelease, at, at, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    return true;
}

} // namespace ui::accessibility
