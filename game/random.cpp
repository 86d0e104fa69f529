// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/random.h"

namespace game {

void SeededRandom::reseed(double clockSeconds) {
    state_ = reseeded(state_, clockSeconds);
}

float SeededRandom::next() {
    // 24 bits fill a float's mantissa exactly, so the result is strictly below 1.
    return static_cast<float>(nextBits(state_)) * (1.0f / 16777216.0f);
}

} // namespace game
