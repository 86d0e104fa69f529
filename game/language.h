// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's language. The design's texts are Russian, and every text the window shows or says
// passes through the translation installed here on its way out: none, so the design's own
// Russian, until the window installs one.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace game::design {

// How a text of the design reads in the player's language.
using Translation = std::function<std::string(std::string_view designText)>;

// Installs the translation for every text from now on; an empty one restores the Russian.
void setTranslation(Translation translation);

// A text of the design in the player's language.
std::string inLanguage(std::string_view designText);

// Every text of the design a player reads or hears as words, each once, in the design's Russian:
// the captions (numbers left out), what a screen reader is told of each control, the words that
// name the cards, and the words of the announcements. What a translation translates.
std::vector<std::string_view> texts();

} // namespace game::design
