// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulations against the exact figures, the intervals themselves, and reproducibility.
#include "odds/exact.h"
#include "odds/report.h"
#include "odds/simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace odds {
namespace {

// Every figure with an interval holds the exact one; those without (pick-to=6 has an unbounded
// spread) are shown and left out.
int outside(const std::vector<Strategy>& strategies, Path path, std::uint64_t rounds,
            std::uint64_t seed) {
    const std::vector<Tally> tallies = simulate(strategies, path, rounds, seed, 2);
    Report report;
    for (std::size_t i = 0; i < strategies.size(); ++i) {
        report.results.push_back({strategies[i], exactFigures(strategies[i]), tallies[i], {}});
    }
    EXPECT_GT(report.checked(), 0);
    return report.outside();
}

TEST(Simulation, FastPathLandsInsideItsIntervals) {
    EXPECT_EQ(outside({Strategy{}, Strategy{0, 4}, Strategy{30, 0}, Strategy{10, 2},
                       parseStrategy("pick-to=6"), parseStrategy("pick-to=8,collect-at=64"),
                       parseStrategy("pick-to=13,redeal-to=2,collect-at=256")},
                      Path::Fast, 400'000, 1),
              0);
}

TEST(Simulation, RulesPathLandsInsideItsIntervals) {
    EXPECT_EQ(outside({Strategy{5, 1}, parseStrategy("pick-to=13,redeal-to=2,collect-at=64")},
                      Path::Rules, 60'000, 2),
              0);
}

TEST(Simulation, ResultsDoNotDependOnTheNumberOfThreads) {
    const std::vector<Strategy> strategies{Strategy{}, Strategy{0, 2}, Strategy{7, 0}};
    const auto one = simulate(strategies, Path::Fast, 50'000, 42, 1);
    const auto three = simulate(strategies, Path::Fast, 50'000, 42, 3);
    for (std::size_t i = 0; i < strategies.size(); ++i) {
        EXPECT_TRUE(one[i] == three[i]) << name(strategies[i]);
    }
    const auto other = simulate(strategies, Path::Fast, 50'000, 43, 2);
    EXPECT_FALSE(one[0] == other[0]) << "another seed, other rounds";
}

TEST(Simulation, EveryChunkOfEveryStrategyHasItsOwnStream) {
    std::set<std::uint64_t> streams;
    for (std::size_t s = 0; s < 40; ++s) {
        for (unsigned c = 0; c < kChunks; ++c) {
            streams.insert(streamFor(7, s, c));
        }
    }
    EXPECT_EQ(streams.size(), 40U * kChunks);
}

TEST(Simulation, ReportsProgressAndCountsEveryRound) {
    double last = -1;
    bool rising = true;
    const auto tallies = simulate({Strategy{}}, Path::Fast, 100'000, 5, 2, [&](double share) {
        rising = rising && share >= last;
        last = share;
    });
    EXPECT_TRUE(rising);
    EXPECT_EQ(last, 1.0);
    EXPECT_GE(tallies[0].deals, 100'000U);
    EXPECT_LT(tallies[0].deals, 100'000U + kChunks * 2); // whole stretches, a little over
}

TEST(Estimate, IntervalsFromAKnownTally) {
    // 4 stretches: collected 10 and 0, 0, 6 after 1, 1, 2, 1 plays.
    Tally t;
    t.addStretch(10, 1);
    t.addStretch(0, 1);
    t.addStretch(0, 2);
    t.addStretch(6, 1);
    const SimulatedFigures f = estimate(t);
    EXPECT_DOUBLE_EQ(f.returnToPlayer.value, 16.0 / 4 / 3);
    // Y has mean 4 and variance (100 + 36) / 4 - 16 = 18.
    EXPECT_DOUBLE_EQ(f.returnToPlayer.high - f.returnToPlayer.value,
                     kZ999 * std::sqrt(18.0 / 4) / 3);
    EXPECT_DOUBLE_EQ(f.spreadPerCharge.value, std::sqrt(18.0));
    EXPECT_DOUBLE_EQ(f.chargesPerCollect->value, 2.0);
    EXPECT_DOUBLE_EQ(f.playsPerCollect->value, 2.5);
    EXPECT_LT(f.chargesPerCollect->low, 2.0);
    EXPECT_GT(f.chargesPerCollect->high, 2.0);
    EXPECT_TRUE(f.returnToPlayer.holds(1.0));
    EXPECT_FALSE(f.returnToPlayer.holds(100.0));
}

} // namespace
} // namespace odds
