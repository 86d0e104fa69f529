// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact figures against values worked out by hand from the table of simulated wins and
// the showdown's chances, and the table against every way its draws can come out.
#include "odds/exact.h"
#include "odds/win_table.h"

#include <gtest/gtest.h>

#include <map>

namespace odds {
namespace {

Rational each() {
    return Rational(192, 17689);
}

// E[W^2] by hand: 2^2 + ... + 20^2 = 2869, and 30, 50, 100 with their chances.
Rational meanSquare() {
    return each() * 2869 + Rational(900 * 24, 931) + Rational(2500 * 12, 931) +
           Rational(10000, 196);
}

Rational mean() {
    return Rational(3907, 931);
}

Rational power(Rational base, int n) {
    Rational r(1);
    for (int i = 0; i < n; ++i) {
        r *= base;
    }
    return r;
}

TEST(WinTable, MatchesTheDealsTable) {
    const WinTable& t = winTable();
    ASSERT_EQ(t.wins.size(), 23U);
    EXPECT_EQ(t.probabilityOf(0), Rational(3, 4));
    for (int v = 2; v <= 20; ++v) {
        EXPECT_EQ(t.probabilityOf(v), each()) << v;
    }
    EXPECT_EQ(t.probabilityOf(30), Rational(24, 931));
    EXPECT_EQ(t.probabilityOf(50), Rational(12, 931));
    EXPECT_EQ(t.probabilityOf(100), Rational(1, 196));
    EXPECT_EQ(t.probabilityOf(21), Rational(0));
    EXPECT_EQ(t.mean, mean());
}

// Each win and its chance, a line each, over every way the draws can come out (all equally
// likely) as the rules walk them; the ways count up like an odometer, the last draw fastest.
std::string enumerated(const game::WinDraws& draws) {
    std::vector<int> at; // how far above its base each draw comes out, in the order drawn
    std::vector<int> spans;
    std::map<int, long long> ways;
    long long all = 0;
    for (std::size_t i = 1; i > 0; ++all) {
        std::size_t n = 0;
        ++ways[game::drawWin(draws, [&](game::Draw d) {
            if (n == at.size()) {
                at.push_back(0);
                spans.push_back(d.span);
            }
            return d.base + at[n++];
        })];
        for (i = at.size(); i > 0 && ++at[i - 1] == spans[i - 1]; --i) {
            at[i - 1] = 0;
        }
    }
    std::string out;
    for (const auto& [win, count] : ways) {
        out += std::to_string(win) + ": " + Rational(count, all).fraction() + "\n";
    }
    return out;
}

TEST(WinTable, IsWhatEveryWayOfTheDrawsPutsUp) {
    // Also: a prize that cannot hit, one that is a base value too, two that hit at once.
    const game::WinDraws changed{
        {3, 1}, {{{{2, 0}, 1, 2}, {{3, 5}, 4, 70}, {{2, 0}, 1, 9}}}, {3, 4}, 4};
    for (const game::WinDraws& draws : {game::kWinDraws, changed}) {
        std::string worked;
        for (const WinChance& w : winTableOf(draws, game::kRankDraw).wins) {
            worked += std::to_string(w.value) + ": " + w.probability.fraction() + "\n";
        }
        EXPECT_EQ(worked, enumerated(draws));
    }
}

TEST(WinTable, ShowdownWinsTiesAndLosesLikeThirteenRanks) {
    const WinTable& t = winTable();
    EXPECT_EQ(t.showdownWon, Rational(6, 13));
    EXPECT_EQ(t.showdownTied, Rational(1, 13));
    EXPECT_EQ(t.showdownLost, Rational(6, 13));
}

TEST(ExactFigures, CollectAtOnce) {
    const ExactFigures f = exactFigures(Strategy{});
    EXPECT_EQ(f.returnToPlayer, Rational(3907, 2793));
    EXPECT_EQ(f.returnToPlayer.decimal(6), "1.398854");
    EXPECT_EQ(f.collectedPerCharge, mean());
    EXPECT_EQ(f.collectChance, Rational(1, 4));
    EXPECT_EQ(f.chargesPerCollect, Rational(4));
    EXPECT_EQ(f.playsPerCollect, Rational(4));
    EXPECT_EQ(f.variancePerCharge, meanSquare() - mean() * mean());
    EXPECT_EQ(f.dealsPerCharge, Rational(1));
}

TEST(ExactFigures, DoublingIsAFairBetThatOnlyWidensTheSpread) {
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        const ExactFigures f = exactFigures(Strategy{0, k});
        const Rational doubles = power(Rational(2), k);
        EXPECT_EQ(f.returnToPlayer, Rational(3907, 2793));
        EXPECT_EQ(f.collectChance, Rational(1, 4) / doubles);
        EXPECT_EQ(f.chargesPerCollect, Rational(4) * doubles);
        EXPECT_EQ(f.playsPerCollect, Rational(4) * doubles);
        // V * 2^k with chance 1 / 2^k: E[Y^2] = 2^k E[W^2].
        EXPECT_EQ(f.variancePerCharge, meanSquare() * doubles - mean() * mean());
    }
}

TEST(ExactFigures, DealsCountTheShowdownsThatDealAgain) {
    // One double: 13/12 showdowns on a held win, all but a lost one (chance 1/2) deal again.
    EXPECT_EQ(exactFigures(Strategy{0, 1}).dealsPerCharge,
              Rational(1) + Rational(1, 4) * (Rational(13, 12) - Rational(1, 2)));
    // Two: 13/12 * (1 + 1/2) showdowns, less the chance 3/4 of one lost.
    EXPECT_EQ(exactFigures(Strategy{0, 2}).dealsPerCharge,
              Rational(1) + Rational(1, 4) * (Rational(13, 8) - Rational(3, 4)));
}

TEST(ExactFigures, ReplayingAWinBelowFive) {
    // A press ends the replays with 0 or a win of 5 or more: chance 1 - 3 * 192/17689.
    const Rational ends = Rational(1) - each() * 3;
    const Rational kept = Rational(1, 4) - each() * 3;
    const Rational keptSum = mean() - each() * (2 + 3 + 4);
    const ExactFigures f = exactFigures(Strategy{5, 0});
    EXPECT_EQ(ends, Rational(17113, 17689));
    EXPECT_EQ(f.collectedPerCharge, Rational(72505, 17113));
    EXPECT_EQ(f.collectedPerCharge, keptSum / ends);
    EXPECT_EQ(f.returnToPlayer, Rational(72505, 51339));
    EXPECT_EQ(f.collectChance, kept / ends);
    EXPECT_EQ(f.playsPerCollect, Rational(1) / kept);
    EXPECT_EQ(f.chargesPerCollect, ends / kept);
    EXPECT_EQ(f.dealsPerCharge, Rational(1) / ends);
}

TEST(ExactFigures, ReplayBelowTwoIsCollectingAtOnce) {
    EXPECT_EQ(exactFigures(Strategy{2, 0}).returnToPlayer, Rational(3907, 2793));
    EXPECT_EQ(exactFigures(Strategy{0, 0}).variancePerCharge,
              exactFigures(Strategy{2, 0}).variancePerCharge);
}

TEST(ExactFigures, ReplayingBelowFiveReturnsMostAndBelowAHundredLeast) {
    // Replacing w by a fresh draw pays when w is below the best stretch's mean (72505/17113,
    // about 4.24): so 2, 3 and 4 are replaced and 5 is kept.
    const Rational best = exactFigures(Strategy{5, 0}).returnToPlayer;
    for (int x : {3, 4, 6, 7, 10, 20, 30, 50, 100}) {
        EXPECT_LT(exactFigures(Strategy{x, 0}).returnToPlayer, best) << x;
    }
    EXPECT_EQ(exactFigures(Strategy{100, 0}).returnToPlayer,
              Rational(100, 196) / (Rational(3, 4) + Rational(1, 196)) / 3);
}

TEST(ExactFigures, ReplayAndDoubleCombine) {
    const ExactFigures replay = exactFigures(Strategy{5, 0});
    const ExactFigures both = exactFigures(Strategy{5, 3});
    EXPECT_EQ(both.returnToPlayer, replay.returnToPlayer);
    EXPECT_EQ(both.chargesPerCollect, replay.chargesPerCollect * 8);
    EXPECT_GT(both.variancePerCharge, replay.variancePerCharge);
}

TEST(ExactFigures, TheLargestDoublingStillFits) {
    const ExactFigures f = exactFigures(Strategy{0, kMaxDoubles});
    EXPECT_EQ(f.returnToPlayer, Rational(3907, 2793));
    EXPECT_FALSE(f.variancePerCharge.sqrtDecimal(3).empty());
}

} // namespace
} // namespace odds
