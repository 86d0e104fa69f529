// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/shown_text.h"

#include "game/double_up.h"
#include "game/language.h"
#include "game/number_text.h"
#include "game/window_design.h"

#include <set>

namespace game {

std::vector<std::string> utf8Characters(std::string_view text) {
    std::vector<std::string> characters;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        // The sequence's length from its lead byte; a stray continuation byte stands alone.
        std::size_t length = 1;
        if (lead >= 0xF0) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = 3;
        } else if (lead >= 0xC0) {
            length = 2;
        }
        characters.emplace_back(text.substr(at, length));
        at += length;
    }
    return characters;
}

std::string shownCharacters() {
    std::set<std::string> characters;
    const auto add = [&characters](std::string_view text) {
        for (std::string& character : utf8Characters(text)) {
            characters.insert(std::move(character));
        }
    };
    for (const design::Control& control : design::form1()) {
        add(control.caption);
    }
    // The words of the menu and of the windows it opens, which the same faces draw.
    for (std::string_view text : design::texts()) {
        add(text);
    }
    for (int rank = 2; rank <= 14; ++rank) {
        add(rankText(rank));
    }
    add(kNumberCharacters);
    std::string all;
    for (const std::string& character : characters) {
        all += character;
    }
    return all;
}

} // namespace game
