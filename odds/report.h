// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures put side by side: what each figure is, exact and simulated, and the table for
// people. (The JSON for machines is the tool's, written with Qt.)
#pragma once

#include "odds/exact.h"
#include "odds/simulation.h"
#include "odds/strategy.h"
#include "odds/tally.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace odds {

struct StrategyResult {
    Strategy strategy;
    ExactFigures exact;
    std::optional<Tally> fast;
    std::optional<Tally> rules;
};

struct Report {
    std::vector<StrategyResult> results;
    std::uint64_t fastRounds = 0;
    std::uint64_t rulesRounds = 0;
    std::uint64_t seed = 0;
    // The strategy whose pickToFamily() was asked for (--best), whose best is named.
    std::optional<Strategy> bestOf;

    // The simulated wins put up over every fast-path simulation.
    Tally allFast() const;
    // Simulated figures with an interval that misses the exact figure.
    int outside() const;
    // Simulated figures with an interval.
    int checked() const;
    // Among the strategies that only replay, the threshold with the highest exact return,
    // or 0 when none of them is reported.
    int bestReplayBelow() const;
};

// One figure of a strategy: exact, and how a simulation estimates it.
struct FigureRow {
    const char* label;
    const char* key;
    // The figure; for the spread, its square, the variance. None where it is infinite.
    Figure exact;
    bool root;
    // Whether a confidence interval can confirm it: the moments it rests on are finite.
    bool hasInterval;
    std::optional<Estimate> (*simulated)(const SimulatedFigures&);

    // "3907/2793", "sqrt(103989003/866761)"; empty for an infinite figure.
    std::string fraction() const;
    // "1.398854"; "unbounded" or "never collects" for an infinite figure.
    std::string decimal() const;
    // The exact figure as a double, for the interval; infinity where it has none.
    double approx() const;
};

std::vector<FigureRow> figureRows(const ExactFigures& exact);

// The return of the free re-deal to a 2 (pick against 2 to king) capped at `collectAt`, for caps
// 16, 64, ... up to 2^20: it grows without bound as the cap grows.
struct CapPoint {
    std::int64_t collectAt;
    Figure returnToPlayer;
};
std::vector<CapPoint> freeRedealByCap();

// 1,000,000
std::string grouped(std::uint64_t value);
// A simulated value with its interval, "1.4003 [1.3883, 1.4124]", or the value alone where no
// interval means anything.
std::string estimateText(const Estimate& estimate, bool withInterval);

std::string renderText(const Report& report);

} // namespace odds
