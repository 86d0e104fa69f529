// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact figures against values worked out by hand from the table of simulated wins and
// the showdown's chances, and the odds' table against every way its draws can come out.
#include "odds/exact.h"
#include "odds/win_table.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <tuple>

namespace odds {
namespace {

Rational each() {
    return ratio(192, 17689);
}

// E[W^2] by hand: 2^2 + ... + 20^2 = 2869, and 30, 50, 100 with their chances.
Rational meanSquare() {
    return each() * 2869 + ratio(900 * 24, 931) + ratio(2500 * 12, 931) + ratio(10000, 196);
}

Rational mean() {
    return ratio(3907, 931);
}

Rational power(Rational base, int n) {
    Rational r(1);
    for (int i = 0; i < n; ++i) {
        r *= base;
    }
    return r;
}

// Each win and its chance, a line each, and their mean, over every way the draws can come out
// (all equally likely) as the rules walk them; the ways count up like an odometer, the last draw
// fastest.
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
    Rational mean;
    for (const auto& [win, count] : ways) {
        out += std::to_string(win) + ": " + fraction(ratio(count, all)) + "\n";
        mean += ratio(count * win, all);
    }
    return out + "mean " + fraction(mean) + "\n";
}

TEST(WinTable, IsWhatEveryWayOfTheDrawsPutsUp) {
    // Also: a prize that cannot hit, one that is a base value too, two that hit at once.
    const game::WinDraws changed{
        {3, 1}, {{{{2, 0}, 1, 2}, {{3, 5}, 4, 70}, {{2, 0}, 1, 9}}}, {3, 4}, 4};
    for (const game::WinDraws& draws : {game::kWinDraws, changed}) {
        const WinTable table = winTableOf(draws);
        std::string worked;
        for (const WinChance& w : table.wins) {
            worked += std::to_string(w.value) + ": " + fraction(w.probability) + "\n";
        }
        EXPECT_EQ(worked + "mean " + fraction(table.mean) + "\n", enumerated(draws));
    }
}

TEST(ExactFigures, CollectAtOnce) {
    const ExactFigures f = exactFigures(Strategy{});
    EXPECT_EQ(f.returnToPlayer, ratio(3907, 2793));
    EXPECT_EQ(decimal(*f.returnToPlayer, 6), "1.398854");
    EXPECT_EQ(f.collectedPerCharge, mean());
    EXPECT_EQ(f.collectChance, ratio(1, 4));
    EXPECT_EQ(f.chargesPerCollect, Rational(4));
    EXPECT_EQ(f.playsPerCollect, Rational(4));
    EXPECT_EQ(f.variancePerCharge, Rational(meanSquare() - mean() * mean()));
    EXPECT_EQ(f.dealsPerCharge, Rational(1));
}

TEST(ExactFigures, DoublingIsAFairBetThatOnlyWidensTheSpread) {
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        const ExactFigures f = exactFigures(Strategy{0, k});
        const Rational doubles = power(Rational(2), k);
        EXPECT_EQ(f.returnToPlayer, ratio(3907, 2793));
        EXPECT_EQ(f.collectChance, ratio(1, 4) / doubles);
        EXPECT_EQ(f.chargesPerCollect, Rational(4) * doubles);
        EXPECT_EQ(f.playsPerCollect, Rational(4) * doubles);
        // V * 2^k with chance 1 / 2^k: E[Y^2] = 2^k E[W^2].
        EXPECT_EQ(f.variancePerCharge, Rational(meanSquare() * doubles - mean() * mean()));
    }
}

TEST(ExactFigures, DealsCountTheShowdownsThatDealAgain) {
    // One double: 13/12 showdowns on a held win, all but a lost one (chance 1/2) deal again.
    EXPECT_EQ(exactFigures(Strategy{0, 1}).dealsPerCharge,
              Rational(1) + ratio(1, 4) * (ratio(13, 12) - ratio(1, 2)));
    // Two: 13/12 * (1 + 1/2) showdowns, less the chance 3/4 of one lost.
    EXPECT_EQ(exactFigures(Strategy{0, 2}).dealsPerCharge,
              Rational(1) + ratio(1, 4) * (ratio(13, 8) - ratio(3, 4)));
}

TEST(ExactFigures, ReplayingAWinBelowFive) {
    // A press ends the replays with 0 or a win of 5 or more: chance 1 - 3 * 192/17689.
    const Rational ends = Rational(1) - each() * 3;
    const Rational kept = ratio(1, 4) - each() * 3;
    const Rational keptSum = mean() - each() * (2 + 3 + 4);
    const ExactFigures f = exactFigures(Strategy{5, 0});
    EXPECT_EQ(ends, ratio(17113, 17689));
    EXPECT_EQ(f.collectedPerCharge, ratio(72505, 17113));
    EXPECT_EQ(f.collectedPerCharge, keptSum / ends);
    EXPECT_EQ(f.returnToPlayer, ratio(72505, 51339));
    EXPECT_EQ(f.collectChance, kept / ends);
    EXPECT_EQ(f.playsPerCollect, Rational(1) / kept);
    EXPECT_EQ(f.chargesPerCollect, ends / kept);
    EXPECT_EQ(f.dealsPerCharge, Rational(1) / ends);
}

TEST(ExactFigures, ReplayBelowTwoIsCollectingAtOnce) {
    EXPECT_EQ(exactFigures(Strategy{2, 0}).returnToPlayer, ratio(3907, 2793));
    EXPECT_EQ(exactFigures(Strategy{0, 0}).variancePerCharge,
              exactFigures(Strategy{2, 0}).variancePerCharge);
}

TEST(ExactFigures, ReplayingBelowFiveReturnsMostAndBelowAHundredLeast) {
    // Replacing w by a fresh draw pays when w is below the best stretch's mean (72505/17113,
    // about 4.24): so 2, 3 and 4 are replaced and 5 is kept.
    const Rational best = *exactFigures(Strategy{5, 0}).returnToPlayer;
    for (int x : {3, 4, 6, 7, 10, 20, 30, 50, 100}) {
        EXPECT_LT(exactFigures(Strategy{x, 0}).returnToPlayer, best) << x;
    }
    EXPECT_EQ(exactFigures(Strategy{100, 0}).returnToPlayer,
              Rational(ratio(100, 196) / (ratio(3, 4) + ratio(1, 196)) / 3));
}

TEST(ExactFigures, ReplayAndDoubleCombine) {
    const ExactFigures replay = exactFigures(Strategy{5, 0});
    const ExactFigures both = exactFigures(Strategy{5, 3});
    EXPECT_EQ(both.returnToPlayer, replay.returnToPlayer);
    EXPECT_EQ(both.chargesPerCollect, Rational(*replay.chargesPerCollect * 8));
    EXPECT_GT(both.variancePerCharge, replay.variancePerCharge);
}

TEST(ExactFigures, TheLargestDoublingStillFits) {
    const ExactFigures f = exactFigures(Strategy{0, kMaxDoubles});
    EXPECT_EQ(f.returnToPlayer, ratio(3907, 2793));
    EXPECT_FALSE(sqrtDecimal(*f.variancePerCharge, 3).empty());
}

// Looking at the dealer's card: a pick against rank r wins (14 - r)/13 and ties 1/13, so from
// a deal the win W is worth W * f with f = q + 2 w f + t f (q: the chance to collect, w and t:
// to pick and win or tie), f = q / (1 - 2w - t). By hand, against 2 to 8: q = 6/13,
// w = (12 + ... + 6)/169 = 63/169, t = 7/169, so f = 13/6; against 2 to king f = 13. The square
// solves the same with 4w, which reaches 1 from pick-to=5 on: the spread is unbounded.
TEST(ExactFigures, PickingAgainstLowCardsByHand) {
    const Rational atOnce = ratio(3907, 2793);
    EXPECT_EQ(exactFigures({.pickTo = 8}).returnToPlayer, Rational(atOnce * ratio(13, 6)));
    EXPECT_EQ(exactFigures({.pickTo = 13}).returnToPlayer, Rational(atOnce * 13));
    EXPECT_EQ(bestPickTo(), (Strategy{.pickTo = 13}));
    for (int r = kLowestRank; r <= kHighestRank; ++r) {
        const ExactFigures f = exactFigures({.pickTo = r});
        EXPECT_EQ(f.variancePerCharge.has_value(), r <= 4 || r == kHighestRank) << r;
        EXPECT_FALSE(f.spreadHasInterval && r < kHighestRank) << r;
    }
    // Against every card the chain only ends in a loss: nothing is ever collected.
    const ExactFigures always = exactFigures({.pickTo = kHighestRank});
    EXPECT_EQ(always.returnToPlayer, Rational(0));
    EXPECT_FALSE(always.chargesPerCollect.has_value());
}

TEST(ExactFigures, TheFreeRedealGrowsWithItsCapAndNeverEndsWithout) {
    Rational last = 0;
    for (std::int64_t cap :
         {std::int64_t{16}, std::int64_t{1024}, std::int64_t{1} << 20, kMaxCollectAt}) {
        const Figure r =
            exactFigures({.pickTo = 13, .redealTo = kLowestRank, .collectAt = cap}).returnToPlayer;
        ASSERT_TRUE(r.has_value()) << cap;
        EXPECT_GT(*r, last * 3) << cap;
        last = *r;
    }
    EXPECT_THROW(exactFigures({.pickTo = 8, .redealTo = kLowestRank}), std::invalid_argument);
    // Without a cap, waiting for 2 to 4 and picking against 2 or 3 grows without bound.
    EXPECT_FALSE(exactFigures({.pickTo = 3, .redealTo = 4}).returnToPlayer.has_value());
}

// The figures again, worked out the long way: the chance of every state of the table (the win,
// whether a chain runs, the picks won) carried forward one deal at a time, every dealer's card
// and every card picked spelt out, until almost nothing is left in play.
struct Walked {
    double collected = 0;
    double squares = 0;
    double collects = 0;
    double plays = 0;
};

Walked walk(const Strategy& s) {
    using State = std::tuple<std::int64_t, bool, int>; // win, chain, picks won
    const WinTable& table = winTable();
    Walked out;
    std::map<State, double> now;
    const auto putUp = [&](double chance) {
        out.plays += chance;
        for (const WinChance& w : table.wins) {
            if (w.value > 0) {
                now[{w.value, false, 0}] += chance * approx(w.probability);
            }
        }
    };
    putUp(1);
    for (int deal = 0; deal < 20'000 && !now.empty(); ++deal) {
        std::map<State, double> next;
        double replays = 0;
        for (const auto& [state, chance] : now) {
            const auto [win, chain, won] = state;
            for (int dealer = kLowestRank; dealer <= kHighestRank; ++dealer) {
                const double c = chance / 13;
                switch (decide(s, win, chain, dealer, won)) {
                case Move::Collect:
                    out.collected += c * static_cast<double>(win);
                    out.squares += c * static_cast<double>(win) * static_cast<double>(win);
                    out.collects += c;
                    break;
                case Move::Play:
                    if (chain) {
                        out.plays += c;
                        next[state] += c;
                    } else {
                        replays += c;
                    }
                    break;
                case Move::Pick:
                    for (int picked = kLowestRank; picked <= kHighestRank; ++picked) {
                        if (picked > dealer) {
                            next[{2 * win, true, won + 1}] += c / 13;
                        } else if (picked == dealer) {
                            next[{win, true, won}] += c / 13;
                        }
                    }
                    break;
                }
            }
        }
        now = std::move(next);
        if (replays > 0) {
            putUp(replays);
        }
        // What is left of a state no longer counts, even squared; nor do wins past 2^46, which
        // only an uncapped strategy reaches, and with next to no chance.
        std::erase_if(now, [](const auto& entry) {
            const auto win = static_cast<double>(std::get<0>(entry.first));
            return entry.second * win * win < 1e-30 || win > 0x1p46;
        });
    }
    return out;
}

TEST(ExactFigures, AgreeWithTheLongWayRound) {
    for (const char* text :
         {"pick-to=8,collect-at=64", "pick-to=13,redeal-to=2,collect-at=1024",
          "replay-below=5,pick-to=9,double=3", "pick-to=6,redeal-to=4,collect-at=300",
          "double=2,redeal-to=7", "pick-to=3"}) {
        SCOPED_TRACE(text);
        const ExactFigures f = exactFigures(parseStrategy(text));
        const Walked w = walk(parseStrategy(text));
        EXPECT_NEAR(approx(*f.collectedPerCharge), w.collected, 1e-9 * w.collected);
        EXPECT_NEAR(approx(*f.variancePerCharge), w.squares - w.collected * w.collected,
                    1e-9 * w.squares);
        EXPECT_NEAR(approx(f.collectChance), w.collects, 1e-12);
        EXPECT_NEAR(approx(*f.playsPerCollect), w.plays / w.collects, 1e-9 * w.plays);
    }
}

} // namespace
} // namespace odds
