// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The strategy syntax of the command line, and the strategies reported by default.
#include "odds/strategy.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace odds {
namespace {

TEST(Strategy, ParsesEachRuleAndTheirCombination) {
    struct Case {
        const char* text;
        Strategy want;
        const char* name;
    };
    const Case cases[] = {
        {"collect", {0, 0}, "collect"},
        {"double=1", {0, 1}, "double=1"},
        {"double=40", {0, 40}, "double=40"},
        {"double=0", {0, 0}, "collect"},
        {"replay-below=5", {5, 0}, "replay-below=5"},
        {"replay-below=100", {100, 0}, "replay-below=100"},
        {"replay-below=5,double=2", {5, 2}, "replay-below=5,double=2"},
        {"double=2,replay-below=5", {5, 2}, "replay-below=5,double=2"},
        {"replay-below=2", {2, 0}, "collect"},
    };
    for (const Case& c : cases) {
        const Strategy got = parseStrategy(c.text);
        EXPECT_EQ(got, c.want) << c.text;
        EXPECT_EQ(name(got), c.name) << c.text;
    }
}

TEST(Strategy, RefusesWhatItDoesNotKnow) {
    const char* bad[] = {
        "",
        "bogus",
        "double",
        "double=",
        "double=-1",
        "double=x",
        "double=41",
        "double=1.5",
        "double=+1",
        "double=1,double=2",
        "collect,double=1",
        "replay-below=101",
        "replay-below=-3",
        "replay-below=5,",
        ",double=1",
        "Double=1",
        "double=99999999999999999999",
    };
    for (const char* text : bad) {
        EXPECT_THROW(parseStrategy(text), std::invalid_argument) << '"' << text << '"';
    }
}

TEST(Strategy, DescribesItselfPlainly) {
    EXPECT_EQ(describe(Strategy{}), "collect every win at once");
    EXPECT_EQ(describe(Strategy{0, 1}), "double 1 time, then collect");
    EXPECT_EQ(describe(Strategy{5, 2}),
              "press Play again on a win below 5, then double 2 times, then collect");
    EXPECT_EQ(describe(Strategy{30, 0}), "press Play again on a win below 30, then collect");
}

TEST(Strategy, DefaultsAreCollectTenDoublingsAndEveryReplayThreshold) {
    const std::vector<Strategy> all = defaultStrategies();
    ASSERT_EQ(all.size(), 1U + 10U + 21U);
    EXPECT_EQ(all[0], Strategy{});
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(all[static_cast<std::size_t>(k)], (Strategy{0, k}));
    }
    std::set<int> thresholds;
    for (std::size_t i = 11; i < all.size(); ++i) {
        EXPECT_EQ(all[i].doubles, 0);
        thresholds.insert(all[i].replayBelow);
    }
    std::set<int> want{30, 50, 100};
    for (int x = 3; x <= 20; ++x) {
        want.insert(x);
    }
    EXPECT_EQ(thresholds, want);
}

} // namespace
} // namespace odds
