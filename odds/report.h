// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures put side by side, as a table for people and as JSON for machines.
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

    // The simulated wins put up over every fast-path simulation.
    Tally allFast() const;
    // Simulated figures whose interval misses the exact figure.
    int outside() const;
    // Simulated figures in all.
    int checked() const;
    // Among the strategies that only replay, the threshold with the highest exact return,
    // or 0 when none of them is reported.
    int bestReplayBelow() const;
};

// 1,000,000
std::string grouped(std::uint64_t value);

std::string renderText(const Report& report);
std::string renderJson(const Report& report);

} // namespace odds
