// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keyboard.h"

#include "game/window_design.h"

namespace ui {

KeyCommand keyCommand(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
    const Qt::KeyboardModifiers pressed = modifiers & ~Qt::KeypadModifier;
    if (!autoRepeat && key == Qt::Key_F10 && pressed == Qt::ShiftModifier) {
        return {KeyCommand::Action::Menu};
    }
    // A digit typed on the keypad differs from the main keyboard's only by the keypad flag, and
    // some layouts (French AZERTY) type the digits with Shift; Ctrl, Alt and Meta leave the key
    // to the desktop.
    const Qt::KeyboardModifiers held = modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held != Qt::NoModifier || autoRepeat) {
        return {};
    }
    for (const game::design::Control& control : game::design::form1()) {
        // Qt numbers the keys of printable Latin characters by their character codes.
        if (control.key != 0 && key == static_cast<unsigned char>(control.key)) {
            return {KeyCommand::Action::Click, control.name};
        }
    }
    return {};
}

QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& otherwise) {
    const QList<QKeySequence> desktop = QKeySequence::keyBindings(key);
    return desktop.isEmpty() ? QList<QKeySequence>{otherwise} : desktop;
}

QList<QKeySequence> quitKeys() {
    return standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
}

} // namespace ui
