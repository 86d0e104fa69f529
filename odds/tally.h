// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a simulation counts, and the player's pacing both simulations share.
#pragma once

#include "game/simulated_win.h"

#include <array>
#include <cstdint>
#include <vector>

namespace odds {

// A sum of wins over millions of stretches, with room to spare.
__extension__ typedef __int128 Int128;

// The simulated time of day. Readings are whole milliseconds turned into seconds since
// midnight, so both simulations hand the generator bit-identical clock readings.
struct SimulatedTime {
    static constexpr std::uint64_t kStartMs = 12 * 3600 * 1000; // noon
    static constexpr std::uint64_t kDayMs = 24 * 3600 * 1000;
    // How long the simulated player takes before each press of a button or a card.
    static constexpr std::uint64_t kThinkMs = 1200;

    std::uint64_t ms = kStartMs;
    double seconds() const { return static_cast<double>(ms % kDayMs) / 1000.0; }
};

// Sums over the stretches from one charged play to the next (see exact.h): each stretch brings
// in Y (what was collected, or 0) after P presses of "Play".
struct Tally {
    std::uint64_t charges = 0; // stretches
    std::uint64_t plays = 0;
    std::uint64_t deals = 0;
    std::uint64_t picks = 0;
    std::uint64_t collects = 0;
    Int128 collected = 0;
    double sumY2 = 0;
    double sumY3 = 0;
    double sumY4 = 0;
    double sumPlays2 = 0;
    double sumPlaysCollected = 0; // P over the stretches that collected
    // How often each simulated win was put up by a press of "Play", by value.
    std::array<std::uint64_t, game::largestWin(game::kWinDraws) + 1> winsPutUp{};

    void addStretch(std::int64_t y, std::uint64_t stretchPlays);
    Tally& operator+=(const Tally& other);
    friend bool operator==(const Tally&, const Tally&) = default;
};

// The table as the player sees it after each of their presses; what the identity of the two
// simulations is checked on, press by press.
struct Snapshot {
    char press; // 'P' play, 'S' a card, 'C' collect
    int slot;   // the card picked, 2 to 5; 0 for the buttons
    std::int64_t credit;
    std::int64_t win;
    std::int64_t step;
    std::int64_t doubled;
    int eche;
    std::array<int, 5> ranks;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

using Trace = std::vector<Snapshot>;

} // namespace odds
