// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The ways to play a round that the odds are worked out for. A strategy has two rules, applied
// in this order to every win the deal puts up:
//
//   replay below X   while a freshly put up win stands below X, press "Play" again: a standing
//                    win makes that play free, and it replaces the win by a new simulated one;
//   double K         then pick a card K times over (a tie re-deals and does not count), and
//                    collect what is left after the K-th won showdown.
//
// A lost showdown leaves nothing to collect; the next "Play" is charged again. A win of 0 is
// never played on: the player presses "Play" (charged) until a win stands.
#pragma once

#include "game/simulated_win.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace odds {

struct Strategy {
    // Replace a fresh win below this by pressing "Play" again; 0 (or 2) never replaces.
    int replayBelow = 0;
    // Won showdowns before collecting.
    int doubles = 0;

    friend bool operator==(const Strategy&, const Strategy&) = default;
};

// The most doublings a strategy may ask for: the largest win doubled 40 times is still below
// 10^15, the largest win the table shows as plain digits.
inline constexpr int kMaxDoubles = 40;
static_assert((std::int64_t{game::largestWin(game::kWinDraws)} << kMaxDoubles) <
              1'000'000'000'000'000);
// The highest replay threshold: the largest win is always kept, so every strategy collects now
// and then.
inline constexpr int kMaxReplayBelow = game::largestWin(game::kWinDraws);

// The command-line name: "collect", "double=3", "replay-below=5", "replay-below=5,double=2".
std::string name(const Strategy& strategy);
// A plain description: "press Play again on a win below 5, then double 2 times, then collect".
std::string describe(const Strategy& strategy);

// Parses the command-line name. Clauses joined by ",": "collect" (the default, alone),
// "double=K" with K from 0 to kMaxDoubles, "replay-below=X" with X from 0 to
// kMaxReplayBelow.
// Throws std::invalid_argument with a one-line reason.
Strategy parseStrategy(std::string_view text);

// The strategies reported by default: collect at once; double K times for K = 1 to 10; replay
// below X for every X that splits the table's wins differently (3 to 20, 30, 50, 100).
std::vector<Strategy> defaultStrategies();

} // namespace odds
