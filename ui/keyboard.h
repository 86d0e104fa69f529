// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a key pressed on the game window does. Keys arrive as ordinary key events, so a key
// pressed while a pick pauses waits in the queue and runs at the next pump, as a click does.
#pragma once

#include <Qt>
#include <string_view>

namespace ui {

struct KeyCommand {
    enum class Action { None, Click, Close, Menu, Help };
    Action action = Action::None;
    // For Click: the control whose click the key stands for (the design table's `key`).
    std::string_view control = {};

    bool operator==(const KeyCommand&) const = default;
};

// A control's key clicks it, typed on the main keyboard (with or without Shift) or on the keypad,
// but not with Ctrl, Alt or Meta; a key held down clicks once, not again with every repeat.
// Ctrl+Q closes the window; the Menu key and Shift+F10 open its menu; F1 opens How to play.
KeyCommand keyCommand(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);

} // namespace ui
