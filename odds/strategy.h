// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The ways to play a round that the odds are worked out for. At each deal that shows a win, the
// player knows the win, whether a chain runs (the deal followed a won or tied pick) and the
// dealer's card, and a strategy's rules decide, in this order:
//
//   collect at N     collect as soon as the win is N or more;
//   replay below X   on a freshly put up win below X, press "Play" again: a standing win makes
//                    that play free, and it replaces the win by a new simulated one;
//   redeal to R      in a chain, press "Play" (free: the win stays, five new cards come) while
//                    the dealer's rank code is above R;
//   the pick         pick a card while the dealer's rank code is at most `pickTo` (any rank
//                    when no `pickTo` is set: blind) and fewer than `doubles` picks have won;
//                    otherwise collect.
//
// A lost pick leaves nothing to collect; the next "Play" is charged again. A win of 0 is never
// played on: the player presses "Play" (charged) until a win stands.
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
    // Won picks before collecting. Without `pickTo`, 0 collects every win at once; with it,
    // 0 sets no limit.
    int doubles = 0;
    // Pick only against a dealer's rank code up to this (2..14); 0 picks blind.
    int pickTo = 0;
    // In a chain, deal again for free until the dealer's rank code is at most this; 0 never.
    int redealTo = 0;
    // Collect any win of this or more; 0 sets no cap.
    std::int64_t collectAt = 0;

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
// The highest cap: a win below it doubled once more stays below 10^15 too.
inline constexpr std::int64_t kMaxCollectAt = std::int64_t{1} << 40;
// The ranks a dealer's card can show.
inline constexpr int kLowestRank = game::kRankDraw.base;
inline constexpr int kHighestRank = game::kRankDraw.base + game::kRankDraw.span - 1;

// What the player does at a deal that shows a win.
enum class Move { Collect, Play, Pick };

// The strategy's move at a deal showing `win` (above 0) against the dealer's rank code
// `dealer`, in a chain or on a freshly put up win, after `wonPicks` won picks in this chain.
Move decide(const Strategy& strategy, std::int64_t win, bool chain, int dealer, int wonPicks);

// Whether a chain can go on for ever: a free re-deal to a dealer's 2, which a pick cannot lose
// against, with neither a cap nor a limit on the doublings. Such a strategy never collects
// from a chain and never ends one; parseStrategy refuses it.
bool neverEnds(const Strategy& strategy);

// Whether the simulations can play it: its wins stay within what the table shows. A free
// re-deal without a cap or a limit lets a chain run for hundreds of won picks.
bool simulable(const Strategy& strategy);

// The command-line name: "collect", "double=3", "replay-below=5,double=2",
// "pick-to=13,redeal-to=2,collect-at=1024".
std::string name(const Strategy& strategy);
// A plain description: "pick against a dealer's 2 to 8, else collect".
std::string describe(const Strategy& strategy);

// Parses the command-line name. Clauses joined by ",", each at most once: "collect" (the
// default, alone), "double=K" (K = 0..kMaxDoubles; 1 or more with pick-to),
// "replay-below=X" (X = 0..kMaxReplayBelow), "pick-to=R" and "redeal-to=R" (R = 2..14),
// "collect-at=N" (N = 1..kMaxCollectAt). Throws std::invalid_argument with a one-line reason,
// also for a strategy that never ends.
Strategy parseStrategy(std::string_view text);

// The strategies reported by default: collect at once; double K times for K = 1 to 10; replay
// below X for every X that splits the table's wins differently (3 to 20, 30, 50, 100); pick
// against a dealer's 2 to R for R = 2 to 13; two capped ones; and the free re-deal to a 2 with
// caps from 16 to 4096.
std::vector<Strategy> defaultStrategies();

// The family of `pickTo` = 2..13 on top of `base` (whose own `pickTo` is replaced).
std::vector<Strategy> pickToFamily(const Strategy& base);

} // namespace odds
