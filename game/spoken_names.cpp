// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/spoken_names.h"

namespace game::design {

std::string valueName(const Control& label, std::string_view shown) {
    return std::string(label.spoken) + ": " + std::string(shown);
}

std::string cardName(const Control& back, bool faceUp, std::string_view rankText, Picture face) {
    std::string seen(kFaceDown);
    if (faceUp) {
        const std::string_view rank = spokenRank(rankText);
        const std::string_view suit = spokenSuit(face);
        seen = rank.empty() ? rankText : rank;
        if (!suit.empty()) {
            seen += ' ';
            seen += suit;
        }
    }
    return valueName(back, seen);
}

} // namespace game::design
