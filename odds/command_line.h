// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of vantrello-odds, read with Qt's QCommandLineParser.
#pragma once

#include "odds/strategy.h"

#include <QStringList>

#include <cstdint>
#include <optional>
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
    // --best: the strategy (the one --strategy given, or none) the family pick-to=2..13 is put
    // on top of; `strategies` is then that family.
    std::optional<Strategy> bestOf;
    std::string chart; // a file name ending in .svg or .png, or empty
    bool help = false;
    bool version = false;
};

// Parses the arguments, the program's name first. Throws std::invalid_argument with a one-line
// reason for anything it does not take.
Options parseCommandLine(const QStringList& arguments);

// The --help text.
std::string usage();

} // namespace odds
