// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real random generator of the game.
#pragma once

#include "game/services.h"

#include <bit>
#include <cstdint>

namespace game {

// The steps of the generator, for whatever must draw exactly what the game draws (the odds' fast
// path does, on plain numbers): splitmix64's increment and finaliser, a reseed that mixes the
// clock into the state, and 24 random bits a draw.
inline constexpr std::uint64_t kSplitmixIncrement = 0x9E3779B97F4A7C15ULL;

constexpr std::uint64_t splitmix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t reseeded(std::uint64_t state, double clockSeconds) {
    return splitmix(state ^ std::bit_cast<std::uint64_t>(clockSeconds)) + kSplitmixIncrement;
}

// Moves the state on and returns the next number's 24 bits: the number is bits / 2^24.
constexpr std::uint32_t nextBits(std::uint64_t& state) {
    state += kSplitmixIncrement;
    return static_cast<std::uint32_t>(splitmix(state) >> 40);
}

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
