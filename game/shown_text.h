// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every character the window, its menu and the windows the menu opens can show. The fonts
// embedded in the program are cut down to these at build time, so this list must hold everything
// a label, a button or a menu entry can ever read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace game {

// The characters of the design's texts, of every rank and of every number the rules
// can write, each once, in UTF-8, in byte order.
std::string shownCharacters();

// A UTF-8 text as its characters, each a UTF-8 sequence of its own.
std::vector<std::string> utf8Characters(std::string_view text);

} // namespace game
