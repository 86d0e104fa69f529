// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real random generator of the game.
#pragma once

#include "game/services.h"

#include <cstdint>

namespace game {

// A 64-bit splitmix generator. A reseed mixes the clock reading into the current
// state instead of replacing it, so reseeds within one tick of the clock still lead
// to fresh numbers.
class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t initialState = 0x5EED'CA7D'0DD5'0001ULL)
        : state_(initialState) {}

    void reseed(double clockSeconds) override;
    float next() override;

  private:
    std::uint64_t state_;
};

} // namespace game
