// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The strategy syntax of the command line, and the strategies reported by default.
#include "odds/strategy.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        {"pick-to=8", {.pickTo = 8}, "pick-to=8"},
        {"collect-at=64,pick-to=8", {.pickTo = 8, .collectAt = 64}, "pick-to=8,collect-at=64"},
        {"collect-at=1024,redeal-to=2,pick-to=13",
         {.pickTo = 13, .redealTo = 2, .collectAt = 1024},
         "pick-to=13,redeal-to=2,collect-at=1024"},
        {"pick-to=9,double=3,replay-below=5",
         {.replayBelow = 5, .doubles = 3, .pickTo = 9},
         "replay-below=5,pick-to=9,double=3"},
        {"redeal-to=2,double=4", {.doubles = 4, .redealTo = 2}, "redeal-to=2,double=4"},
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
        "pick-to=1",
        "pick-to=15",
        "redeal-to=1",
        "collect-at=0",
        "collect-at=1099511627777",
        "pick-to=8,double=0",
        "pick-to=8,pick-to=9",
        "pick-to=8,redeal-to=2", // never ends a chain
        "collect,pick-to=8",
        "double=99999999999999999999",
    };
    for (const char* text : bad) {
        EXPECT_THROW(parseStrategy(text), std::invalid_argument) << '"' << text << '"';
    }
}

// The rules apply in their order: the cap, the replay of a fresh win, the free re-deal in a
// chain, then the pick.
TEST(Strategy, DecidesEachDealInTheRulesOrder) {
    struct Case {
        const char* strategy;
        std::int64_t win;
        bool chain;
        int dealer;
        int wonPicks;
        Move want;
    };
    const Case cases[] = {
        {"collect", 8, false, 2, 0, Move::Collect},
        {"double=2", 8, false, 14, 0, Move::Pick},
        {"double=2", 32, true, 2, 2, Move::Collect},
        {"pick-to=8", 8, false, 8, 0, Move::Pick},
        {"pick-to=8", 8, true, 9, 5, Move::Collect},
        {"pick-to=8,double=3", 64, true, 2, 3, Move::Collect},
        {"pick-to=8,collect-at=64", 64, true, 2, 0, Move::Collect},
        {"replay-below=5,collect-at=4", 4, false, 2, 0, Move::Collect},
        {"replay-below=5,pick-to=8", 4, false, 2, 0, Move::Play},
        {"replay-below=5,pick-to=8", 4, true, 2, 1, Move::Pick},
        {"pick-to=13,redeal-to=2,collect-at=1024", 16, false, 9, 0, Move::Pick},
        {"pick-to=13,redeal-to=2,collect-at=1024", 16, true, 3, 1, Move::Play},
        {"pick-to=13,redeal-to=2,collect-at=1024", 16, true, 2, 1, Move::Pick},
        {"pick-to=13,redeal-to=2,collect-at=1024", 1024, true, 14, 7, Move::Collect},
        {"pick-to=4,redeal-to=6,collect-at=100", 16, true, 5, 0, Move::Collect},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decide(parseStrategy(c.strategy), c.win, c.chain, c.dealer, c.wonPicks), c.want)
            << c.strategy << " win " << c.win << " dealer " << c.dealer;
    }
}

TEST(Strategy, DescribesItselfPlainly) {
    EXPECT_EQ(describe(Strategy{}), "collect every win at once");
    EXPECT_EQ(describe(Strategy{0, 1}), "double 1 time, then collect");
    EXPECT_EQ(describe(Strategy{5, 2}),
              "press Play again on a win below 5, then double 2 times, then collect");
    EXPECT_EQ(describe(Strategy{30, 0}), "press Play again on a win below 30, then collect");
    EXPECT_EQ(describe({.pickTo = 8, .collectAt = 64}),
              "pick against a dealer's 2 to 8, collect against 9 to ace; collect any win of 64 "
              "or more");
    EXPECT_TRUE(describe({.pickTo = 13, .redealTo = 2})
                    .starts_with("in a chain deal again for free until the dealer shows a 2, "));
}

TEST(Strategy, DefaultsAreCollectTenDoublingsEveryReplayThresholdAndThePickToFamily) {
    const std::vector<Strategy> all = defaultStrategies();
    ASSERT_EQ(all.size(), 1U + 10U + 21U + 12U + 2U + 5U);
    EXPECT_EQ(all[0], Strategy{});
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(all[static_cast<std::size_t>(k)], (Strategy{0, k}));
    }
    std::set<int> thresholds;
    for (std::size_t i = 11; i < 32; ++i) {
        EXPECT_EQ(all[i].doubles, 0);
        thresholds.insert(all[i].replayBelow);
    }
    std::set<int> want{30, 50, 100};
    for (int x = 3; x <= 20; ++x) {
        want.insert(x);
    }
    EXPECT_EQ(thresholds, want);
    const std::vector<Strategy> family = pickToFamily({});
    EXPECT_TRUE(std::equal(family.begin(), family.end(), all.begin() + 32));
    for (const Strategy& s : all) {
        EXPECT_TRUE(simulable(s)) << name(s);
    }
}

} // namespace
} // namespace odds
