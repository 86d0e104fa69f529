// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keyboard.h"

#include "game/window_design.h"

namespace ui {

KeyCommand keyCommand(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
    // A digit typed on the keypad differs from the main keyboard's only by this flag.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (key == Qt::Key_Q && held == Qt::ControlModifier) {
        return {KeyCommand::Action::Close};
    }
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

} // namespace ui
