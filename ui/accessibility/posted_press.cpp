// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility/posted_press.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ui::accessibility {

void postKeyPress(QWidget& receiver, int key, const QString& text) {
    QCoreApplication::postEvent(&receiver,
                                new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(&receiver,
                                new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

} // namespace ui::accessibility
