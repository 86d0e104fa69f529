// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/random.h"

#include <bit>

namespace game {
namespace {

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

} // namespace

void SeededRandom::reseed(double clockSeconds) {
    state_ = mix(state_ ^ std::bit_cast<std::uint64_t>(clockSeconds)) + kGolden;
}

float SeededRandom::next() {
    state_ += kGolden;
    // 24 bits fill a float's mantissa exactly, so the result is strictly below 1.
    const auto bits = static_cast<std::uint32_t>(mix(state_) >> 40);
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

} // namespace game
