// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The names a screen reader gives the table's values and cards, made of the design table's
// words in the player's language. The window's accessible objects and its announcements both
// say them this way.
#pragma once

#include "game/window_design.h"

#include <string>
#include <string_view>

namespace game::design {

// A value label as it is named: its `spoken`, a colon and what it shows, "Кредит: 97".
std::string valueName(const Control& label, std::string_view shown);

// A face-up card as it is said: "дама червей". A rank text or face that is no card is said as it
// is.
std::string spokenCard(std::string_view rankText, Picture face);

// A card slot as it is named: its back's `spoken`, a colon and the card, "Карта 2: дама червей",
// or kFaceDown while the back hides it.
std::string cardName(const Control& back, bool faceUp, std::string_view rankText, Picture face);

} // namespace game::design
