// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fast path is the real rules: for the same stream, the table after every press and every
// count agree exactly, over 100,000 rounds of each kind of play.
#include "odds/fast_path.h"
#include "odds/rules_path.h"
#include "odds/simulation.h"

#include "game/double_up.h"
#include "game/number_text.h"
#include "game/random.h"
#include "game/window_design.h"

#include <gtest/gtest.h>

#include <sstream>

namespace odds {
namespace {

constexpr std::uint64_t kRounds = 100'000;

std::string show(const Snapshot& s) {
    std::ostringstream out;
    out << s.press << s.slot << " credit " << s.credit << " win " << s.win << " step " << s.step
        << " doubled " << s.doubled << " eche " << s.eche << " ranks";
    for (int r : s.ranks) {
        out << ' ' << r;
    }
    return out.str();
}

class Identity : public ::testing::TestWithParam<const char*> {};

TEST_P(Identity, PressByPressOverAHundredThousandRounds) {
    const Strategy strategy = parseStrategy(GetParam());
    const std::uint64_t stream = streamFor(20260101, 7, 3);
    Trace rules;
    Trace fast;
    const Tally byRules = simulateRules(strategy, stream, kRounds, &rules);
    const Tally byFast = simulateFast(strategy, stream, kRounds, &fast);
    ASSERT_GE(byRules.deals, kRounds);
    ASSERT_EQ(rules.size(), fast.size());
    for (std::size_t i = 0; i < rules.size(); ++i) {
        ASSERT_EQ(rules[i], fast[i])
            << "press " << i << "\n  rules: " << show(rules[i]) << "\n  fast:  " << show(fast[i]);
    }
    EXPECT_TRUE(byRules == byFast);
    // The untraced fast path, which skips the cards nobody looks at, counts the same.
    EXPECT_TRUE(simulateFast(strategy, stream, kRounds) == byFast);
    // The credit on the table is the start, less the charges, plus what was collected.
    const auto start =
        static_cast<std::int64_t>(game::parseNumber(game::design::control("LabelCredit").caption));
    const auto charge = static_cast<std::int64_t>(game::DoubleUp::kPlayCharge);
    EXPECT_EQ(rules.back().credit, start - charge * static_cast<std::int64_t>(byRules.charges) +
                                       static_cast<std::int64_t>(byRules.collected));
}

// Every branch of play: collect, double (won, lost, tied), replay, both together, a pick that
// looks at the dealer's card, a cap, and the free re-deal in a chain.
INSTANTIATE_TEST_SUITE_P(Strategies, Identity,
                         ::testing::Values("collect", "double=3", "double=10", "replay-below=100",
                                           "replay-below=20,double=2", "pick-to=9",
                                           "replay-below=5,pick-to=8,collect-at=64",
                                           "pick-to=13,redeal-to=2,collect-at=1024"));

TEST(Identity, EveryDefaultStrategyCountsTheSame) {
    const std::vector<Strategy> all = defaultStrategies();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::uint64_t stream = streamFor(99, i, 0);
        EXPECT_TRUE(simulateRules(all[i], stream, 20'000) == simulateFast(all[i], stream, 20'000))
            << name(all[i]);
    }
}

TEST(Identity, TheGamesGeneratorDrawsWhatTheFastPathAssumes) {
    // floor(r * span + base) on the game's float is the fast path's integer form, at the ends
    // of the range and across a run of numbers.
    game::SeededRandom random(12345);
    for (int i = 0; i < 100'000; ++i) {
        const float r = random.next();
        const auto bits = static_cast<std::uint64_t>(r * 16777216.0f);
        ASSERT_EQ(static_cast<float>(bits) / 16777216.0f, r);
        for (int span : {4, 9, 13, 19, 49}) {
            ASSERT_EQ(static_cast<std::uint64_t>(static_cast<double>(r) * span),
                      (bits * static_cast<std::uint64_t>(span)) >> 24);
        }
    }
}

} // namespace
} // namespace odds
