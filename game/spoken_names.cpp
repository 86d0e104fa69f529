// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/spoken_names.h"

#include "game/language.h"

namespace game::design {

std::string valueName(const Control& label, std::string_view shown) {
    // A negative credit is said with a typeset minus (−), which a screen reader reads as "minus";
    // the label itself keeps the hyphen the rules read back.
    if (shown.starts_with('-')) {
        return inLanguage(label.spoken) + ": \u2212" + std::string(shown.substr(1));
    }
    return inLanguage(label.spoken) + ": " + std::string(shown);
}

std::string spokenCard(std::string_view rankText, Picture face) {
    const std::string_view rank = spokenRank(rankText);
    const std::string_view suit = spokenSuit(face);
    std::string said = rank.empty() ? std::string(rankText) : inLanguage(rank);
    if (!suit.empty()) {
        said += ' ';
        said += inLanguage(suit);
    }
    return said;
}

std::string cardName(const Control& back, bool faceUp, std::string_view rankText, Picture face) {
    return valueName(back, faceUp ? spokenCard(rankText, face) : inLanguage(kFaceDown));
}

} // namespace game::design
