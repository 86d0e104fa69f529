// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real generator: range, reseeding that never restarts the sequence, and the
// distributions the deal and the card draw produce with it.
#include "game/random.h"
#include "tests/game/fakes.h"

#include <array>
#include <cmath>
#include <map>
#include <set>

namespace game::testing {
namespace {

// Chi-square critical value for a tail probability of one in a million
// (Wilson-Hilferty approximation).
double chiSquareLimit(int degreesOfFreedom) {
    const double k = degreesOfFreedom;
    const double z = 4.753;
    const double a = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - a + z * std::sqrt(a), 3.0);
}

template <typename Map> double chiSquare(const Map& observed, const Map& probability, int n) {
    double sum = 0;
    for (const auto& [value, p] : probability) {
        const double expected = p * n;
        const auto found = observed.find(value);
        const double seen = found == observed.end() ? 0 : found->second;
        sum += (seen - expected) * (seen - expected) / expected;
    }
    return sum;
}

TEST(SeededRandom, KnownSequenceFromAKnownState) {
    SeededRandom known(42);
    known.reseed(100.5);
    for (float twentyFourBits : {11217728.0f, 1152438.0f, 5597839.0f}) {
        EXPECT_EQ(known.next(), twentyFourBits / 16777216.0f);
    }
    SeededRandom other(43);
    other.reseed(100.5);
    EXPECT_NE(other.next(), 11217728.0f / 16777216.0f) << "the state, not only the clock, decides";
}

TEST(SeededRandom, ReseedWithTheSameClockNeverRepeats) {
    SeededRandom random;
    std::set<float> firsts;
    for (int i = 0; i < 1000; ++i) {
        random.reseed(36000.0);
        firsts.insert(random.next());
        random.next();
    }
    EXPECT_GT(firsts.size(), 990u);
}

TEST(SeededRandom, NumbersStayInTheUnitInterval) {
    SeededRandom random;
    float lowest = 1, highest = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 1e-5f);
    EXPECT_GT(highest, 1 - 1e-5f);
}

// Plays many deals with the real generator and a clock that ticks slowly, so
// many reseeds share one reading.
struct RealGame {
    Log log;
    MemoryTable table;
    SeededRandom random;
    FixedClock clock;
    RecordingCues cues{log};
    QueuedPump pump{log};
    RecordingPauser pauser{log};
    DoubleUp game{table.controls(), Platform{random, clock, cues, pump, pauser, kProgramDir}};
};

TEST(SeededRandom, SimulatedWinsFollowTheirTable) {
    RealGame g;
    const int plays = 200'000;
    std::map<int, double> observed;
    double total = 0;
    for (int i = 0; i < plays; ++i) {
        g.clock.seconds = 40000.0 + (i / 64) * 0.01;
        g.game.Command1_Click();
        const int win = std::stoi(g.table.LabelTotalWin.captionText);
        observed[win] += 1;
        total += win;
    }
    std::map<int, double> probability{
        {0, 0.75}, {30, 24.0 / 931}, {50, 12.0 / 931}, {100, 1.0 / 196}};
    double mean = 30 * 24.0 / 931 + 50 * 12.0 / 931 + 100 / 196.0;
    for (int v = 2; v <= 20; ++v) {
        probability[v] = 192.0 / 17689;
        mean += v * 192.0 / 17689;
    }
    EXPECT_EQ(observed.size(), probability.size()) << "no win outside the table";
    EXPECT_LT(chiSquare(observed, probability, plays), chiSquareLimit(22));
    EXPECT_NEAR(mean, 4.20, 0.005);
    EXPECT_NEAR(total / plays, mean, 0.12);
}

TEST(SeededRandom, CardsAreUniformInRankAndSuit) {
    RealGame g;
    const int deals = 40'000;
    std::map<int, double> ranks, suits, rankP, suitP;
    for (int rank = 2; rank <= 14; ++rank) {
        rankP[rank] = 1.0 / 13;
    }
    const std::map<Picture, int> suitOf{
        {Picture::Spades, 1}, {Picture::Clubs, 2}, {Picture::Diamonds, 3}, {Picture::Hearts, 4}};
    for (int suit = 1; suit <= 4; ++suit) {
        suitP[suit] = 0.25;
    }
    int ties = 0;
    for (int i = 0; i < deals; ++i) {
        g.clock.seconds = 50000.0 + (i / 16) * 0.01;
        g.game.Command1_Click();
        for (int slot = 0; slot < 5; ++slot) {
            ranks[std::stoi(g.table.NumCard[slot].tagText)] += 1;
            suits[suitOf.at(g.table.Card[slot].shown)] += 1;
        }
        ties += g.table.NumCard[0].tagText == g.table.NumCard[1].tagText;
    }
    EXPECT_LT(chiSquare(ranks, rankP, deals * 5), chiSquareLimit(12));
    EXPECT_LT(chiSquare(suits, suitP, deals * 5), chiSquareLimit(3));
    EXPECT_NEAR(ties / double(deals), 1.0 / 13, 0.01) << "the dealer's rank repeats one time in 13";
}

} // namespace
} // namespace game::testing
