// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/spoken_names.h"

namespace game::design {

std::string valueName(const Control& label, std::string_view shown) {
    return std::string(label.spoken) + ": " + std::string(shown);
}

std::string spokenCard(std::string_view rankText, Picture face) {
    const std::string_view rank = spokenRank(rankText);
    const std::string_view suit = spokenSuit(face);
    std::string said(rank.empty() ? rankText : rank);
    if (!suit.empty()) {
        said += ' ';
        said += suit;
    }
    return said;
}

std::string cardName(const Control& back, bool faceUp, std::string_view rankText, Picture face) {
    return valueName(back, faceUp ? spokenCard(rankText, face) : std::string(kFaceDown));
}

} // namespace game::design
