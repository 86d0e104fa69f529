// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/command_line.h"

#include <charconv>
#include <limits>
#include <stdexcept>

namespace odds {
namespace {

std::uint64_t count(const std::string& option, const std::string& text, bool zeroAllowed,
                    std::uint64_t most) {
    std::uint64_t value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    const bool digitsOnly = !text.empty() && text.front() >= '0' && text.front() <= '9';
    if (!digitsOnly || ec != std::errc() || end != last || value > most ||
        (!zeroAllowed && value == 0)) {
        throw std::invalid_argument(option + " needs a whole number from " +
                                    (zeroAllowed ? "0" : "1") + " to " + std::to_string(most) +
                                    ", not \"" + text + "\"");
    }
    return value;
}

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() > suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

Options parseCommandLine(const std::vector<std::string>& arguments) {
    Options o;
    bool ownStrategies = false;
    constexpr std::uint64_t kMostRounds = 1'000'000'000'000ULL;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        std::string value;
        std::string option = a;
        const std::size_t equals = a.find('=');
        const bool takesValue = a == "--strategy" || a == "--rounds" || a == "--rules-rounds" ||
                                a == "--seed" || a == "--threads" || a == "--chart";
        if (a.starts_with("--") && equals != std::string::npos) {
            option = a.substr(0, equals);
            value = a.substr(equals + 1);
        } else if (takesValue) {
            if (i + 1 == arguments.size()) {
                throw std::invalid_argument(a + " needs a value");
            }
            value = arguments[++i];
        }
        if (option == "--strategy") {
            if (!ownStrategies) {
                o.strategies.clear();
                ownStrategies = true;
            }
            o.strategies.push_back(parseStrategy(value));
        } else if (option == "--rounds") {
            o.fastRounds = count(option, value, false, kMostRounds);
        } else if (option == "--rules-rounds") {
            o.rulesRounds = count(option, value, false, kMostRounds);
        } else if (option == "--seed") {
            o.seed = count(option, value, true, std::numeric_limits<std::uint64_t>::max());
        } else if (option == "--threads") {
            o.threads = static_cast<unsigned>(count(option, value, false, 1024));
        } else if (option == "--chart") {
            if (!endsWith(value, ".svg") && !endsWith(value, ".png")) {
                throw std::invalid_argument("--chart needs a file name ending in .svg or .png, "
                                            "not \"" +
                                            value + "\"");
            }
            o.chart = value;
        } else if (a == "--exact") {
            o.simulateFast = false;
            o.simulateRules = false;
        } else if (a == "--no-rules") {
            o.simulateRules = false;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else {
            throw std::invalid_argument("unknown option \"" + a + "\" (see --help)");
        }
    }
    if (!o.chart.empty() && !o.simulateFast) {
        throw std::invalid_argument("--chart draws the simulation, which --exact leaves out");
    }
    return o;
}

std::string usage() {
    return R"(Usage: vantrello-odds [OPTION]...
The exact odds of Vantrello's double-up round for each way to play, checked by simulation.

  --strategy S       report S instead of the default strategies (repeatable); S joins rules
                     with ",": collect | double=K (K = 0..40: double K times, then collect) |
                     replay-below=X (X = 0..100: press Play again, for free, on a fresh win
                     below X), e.g. --strategy replay-below=5,double=2
  --rounds N         rounds (deals) per strategy on the fast path (default 1000000)
  --rules-rounds N   rounds per strategy through the game's own rules (default 100000)
  --no-rules         leave out the simulation through the game's rules
  --exact            the exact figures only, no simulation
  --seed N           the simulation's seed (default 1); the same seed gives the same figures
  --threads N        threads to simulate on (default: one per core)
  --json             print JSON instead of the table
  --chart FILE       draw the simulated wins and the returns to FILE (.svg or .png)
  --help, --version

Exit status: 0 when every simulated figure lies inside its 99.9 % confidence interval,
1 when one does not, 2 for a bad command line.
)";
}

} // namespace odds
