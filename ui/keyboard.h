// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a key pressed on the game window does. Keys arrive as ordinary key events, so a key
// pressed while a pick pauses waits in the queue and runs at the next pump, as a click does.
#pragma once

#include <QKeySequence>
#include <QList>
#include <Qt>
#include <string_view>

namespace ui {

struct KeyCommand {
    enum class Action { None, Click, Menu };
    Action action = Action::None;
    // For Click: the control whose click the key stands for (the design table's `key`).
    std::string_view control = {};

    bool operator==(const KeyCommand&) const = default;
};

// A control's key clicks it, typed on the main keyboard (with or without Shift) or on the keypad,
// but not with Ctrl, Alt or Meta; a key held down clicks once, not again with every repeat.
// Shift+F10 opens the window's menu. (The Menu key comes as a context-menu event, and F1 and
// Ctrl+Q are the menu's actions, shortcuts of the whole game.)
KeyCommand keyCommand(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);

// The desktop's keys for `key` (QKeySequence::Quit, HelpContents), or `otherwise` where the
// platform has none for it: Qt's offscreen platform follows Windows, which has no key to quit.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& otherwise);
// The keys that quit the game: the desktop's, Ctrl+Q where it has none.
QList<QKeySequence> quitKeys();

} // namespace ui
