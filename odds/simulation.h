// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Simulating many strategies across threads, and the figures with their confidence intervals.
#pragma once

#include "odds/exact.h"
#include "odds/strategy.h"
#include "odds/tally.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace odds {

enum class Path { Fast, Rules };

// Each strategy's rounds are split into this many chunks, each on its own generator stream,
// so the results do not depend on how many threads share the chunks out.
inline constexpr unsigned kChunks = 16;

// The generator's starting state for one chunk of one strategy.
std::uint64_t streamFor(std::uint64_t seed, std::size_t strategy, unsigned chunk);

// Simulates each strategy for at least `deals` rounds (in whole stretches) on `threads`
// threads; every strategy must be simulable(). `progress`, if given, is called from the calling
// thread with the share done.
std::vector<Tally> simulate(const std::vector<Strategy>& strategies, Path path, std::uint64_t deals,
                            std::uint64_t seed, unsigned threads,
                            const std::function<void(double)>& progress = {});

struct Estimate {
    double value = 0;
    double low = 0;
    double high = 0;
    // Whether the interval holds the exact figure (as the nearest double).
    bool holds(double exact) const;
};

// The 99.9 % two-sided normal quantile.
inline constexpr double kZ999 = 3.2905267314918945;

struct SimulatedFigures {
    Estimate returnToPlayer;
    // None when the simulation collected nothing.
    std::optional<Estimate> playsPerCollect;
    std::optional<Estimate> chargesPerCollect;
    Estimate spreadPerCharge;
};

// The figures of a tally, each with its 99.9 % confidence interval: from the central limit
// theorem over the independent stretches, by the delta method for the ratios and the spread.
// An interval means something only where the moments it rests on are finite (see
// ExactFigures::spreadHasInterval); the report leaves the others out.
SimulatedFigures estimate(const Tally& tally);

} // namespace odds
