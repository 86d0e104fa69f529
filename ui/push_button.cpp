// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/push_button.h"

#include <QKeyEvent>

namespace ui {

PushButton::PushButton(const QString& caption, const QColor& face, QWidget* parent)
    : QPushButton(caption, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    QPalette p = palette();
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, Qt::black);
    setPalette(p);
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace ui
