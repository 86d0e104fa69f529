// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of vantrello-odds.
#pragma once

#include "odds/strategy.h"

#include <cstdint>
#include <string>
#include <vector>

namespace odds {

struct Options {
    std::vector<Strategy> strategies = defaultStrategies();
    std::uint64_t fastRounds = 1'000'000;
    std::uint64_t rulesRounds = 100'000;
    bool simulateFast = true;
    bool simulateRules = true;
    std::uint64_t seed = 1;
    unsigned threads = 0; // 0: one per core
    bool json = false;
    std::string chart; // a file name ending in .svg or .png, or empty
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program's name. Throws std::invalid_argument with a one-line
// reason for anything it does not take.
Options parseCommandLine(const std::vector<std::string>& arguments);

// The --help text.
std::string usage();

} // namespace odds
