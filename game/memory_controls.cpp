// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/memory_controls.h"

namespace game {

MemoryLabel MemoryTable::designedLabel(std::string_view name) {
    const design::Control& c = design::control(name);
    return MemoryLabel(std::string(c.caption), c.fore);
}

MemoryImage MemoryTable::designedImage(std::string_view name) {
    const design::Control& c = design::control(name);
    return MemoryImage(c.picture, static_cast<float>(c.twips.left));
}

std::array<MemoryLabel, 5> MemoryTable::designedLabels(std::string_view prefix) {
    const auto slot = [prefix](int n) { return designedLabel(design::slotName(prefix, n)); };
    return {slot(1), slot(2), slot(3), slot(4), slot(5)};
}

std::array<MemoryImage, 5> MemoryTable::designedImages(std::string_view prefix) {
    const auto slot = [prefix](int n) { return designedImage(design::slotName(prefix, n)); };
    return {slot(1), slot(2), slot(3), slot(4), slot(5)};
}

Controls MemoryTable::controls() {
    return Controls{
        LabelCredit,
        LabelTotalWin,
        LabelStep,
        LabelDouble,
        {&NumCard[0], &NumCard[1], &NumCard[2], &NumCard[3], &NumCard[4]},
        {&Card[0], &Card[1], &Card[2], &Card[3], &Card[4]},
        {&Short[0], &Short[1], &Short[2], &Short[3], &Short[4]},
        ImageCardPic,
        ImageCardKrest,
        ImageCardBub,
        ImageCardChervu,
        ImagePick,
    };
}

} // namespace game
