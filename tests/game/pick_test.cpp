// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pick and its showdown: marker, cue, the card turned, pacing, the outcome
// chosen by number and what each outcome does to the table, the other backs, and
// the deal that continues a chain.
#include "game/number_text.h"
#include "game/rule_error.h"
#include "tests/game/fakes.h"

#include <algorithm>
#include <cmath>

namespace game::testing {
namespace {

const std::string kClick = std::string("cue ") + kProgramDir + "/click.wav";
const std::string kWin = std::string("cue ") + kProgramDir + "/win.wav";

// Deals a round with the given ranks and clears the log, ready for a pick.
void dealt(TestGame& t, int win, std::initializer_list<int> ranks) {
    t.play(win, ranks);
    t.log.clear();
}

void pickSlot(TestGame& t, int slot) {
    constexpr void (DoubleUp::*clicks[])() = {&DoubleUp::Short2_Click, &DoubleUp::Short3_Click,
                                              &DoubleUp::Short4_Click, &DoubleUp::Short5_Click};
    (t.game.*clicks[slot - 2])();
}

TEST(Pick, ShowdownComparesRanksAsNumbers) {
    const struct {
        int dealer, picked;
        const char* winAfter;
        std::int16_t eche;
    } cases[] = {
        {10, 9, "0", 0}, // "10" is above "9" although it sorts below as text
        {9, 10, "40", -1}, {14, 13, "0", 0},   {14, 14, "20", -1}, {2, 3, "40", -1},
        {2, 2, "20", -1},  {11, 12, "40", -1}, {12, 11, "0", 0},
    };
    for (const auto& c : cases) {
        TestGame t;
        dealt(t, 20, {c.dealer, 5, c.picked, 5, 5});
        if (c.eche != 0) {
            t.scriptCards({2, 2, 2, 2, 2}); // the next deal of the chain
        }
        t.game.Short3_Click();
        EXPECT_EQ(t.win(), c.winAfter) << c.dealer << " vs " << c.picked;
        EXPECT_EQ(t.game.Eche, c.eche) << c.dealer << " vs " << c.picked;
    }
}

TEST(Pick, EachSlotMovesTheMarkerAndTurnsTheOtherBacksInOrder) {
    const struct {
        int slot;
        float marker;
        Log backs;
    } cases[] = {
        {2, 1330, {"Short2 hidden", "Short3 hidden", "Short4 hidden", "Short5 hidden"}},
        {3, 2170, {"Short3 hidden", "Short2 hidden", "Short4 hidden", "Short5 hidden"}},
        {4, 3010, {"Short4 hidden", "Short2 hidden", "Short3 hidden", "Short5 hidden"}},
        {5, 3850, {"Short5 hidden", "Short2 hidden", "Short3 hidden", "Short4 hidden"}},
    };
    for (const auto& c : cases) {
        TestGame t;
        dealt(t, 20, {14, 3, 3, 3, 3}); // the dealer's ace: a loss, no further deal
        pickSlot(t, c.slot);
        Log backs;
        for (const auto& e : t.log) {
            if (e.starts_with("Short")) {
                backs.push_back(e);
            }
        }
        EXPECT_EQ(backs, c.backs);
        EXPECT_EQ(t.table.ImagePick.leftTwips, c.marker);
        EXPECT_FALSE(t.faceDown(1)) << "the dealer's card is never touched by a pick";
    }
}

// The starting captions are put in through the controls' setter. Assigning a string literal to
// the caption member directly makes GCC 12 at -O3 report a false -Wrestrict overlap inside
// std::string (GCC bug 105329) in the tests that set two captions in a row.

TEST(Pick, LossPacesOnceAndStops) {
    TestGame t;
    dealt(t, 20, {10, 9, 9, 9, 9});
    t.table.LabelStep.setCaption("4"); // as deep in a chain
    t.game.Short2_Click();
    EXPECT_EQ(t.log, (Log{kClick, "Short2 hidden", "pump", "pause 300", "Short3 hidden",
                          "Short4 hidden", "Short5 hidden"}));
    EXPECT_EQ(t.win(), "0");
    EXPECT_EQ(t.step(), "1") << "a loss starts the steps again";
    EXPECT_EQ(t.credit(), "97");
    EXPECT_EQ(t.game.Eche, 0);
    EXPECT_EQ(t.table.ImagePick.leftTwips, 1330.0f) << "the marker stays beneath the pick";
    for (int slot = 2; slot <= 5; ++slot) {
        EXPECT_FALSE(t.faceDown(slot));
    }
}

TEST(Pick, WinPlaysBothCuesAndDealsAfterTheLongPause) {
    TestGame t;
    dealt(t, 20, {9, 3, 10, 4, 5});
    t.scriptCards({4, 5, 6, 7, 8});
    t.game.Short3_Click();
    EXPECT_EQ(t.log, (Log{kClick, "Short3 hidden", "pump", "pause 300", kWin, "Short2 hidden",
                          "Short4 hidden", "Short5 hidden", "pump", "pause 2500", "Short1 shown",
                          "Short2 shown", "Short3 shown", "Short4 shown", "Short5 shown",
                          "Short1 hidden"}));
    EXPECT_EQ(t.credit(), "97");
    EXPECT_EQ(t.win(), "40");
    EXPECT_EQ(t.step(), "2");
    EXPECT_EQ(t.doubled(), "80");
    EXPECT_EQ(t.table.NumCard[0].tagText, "4") << "the next round was dealt";
    EXPECT_EQ(t.table.ImagePick.leftTwips, 5000.0f);
}

// Doubling writes the win as every number is written, in exponent form once it is large.
TEST(Pick, AWinDoublesTheWinAsLargeAsItIs) {
    TestGame t;
    dealt(t, 20, {3, 9, 9, 9, 9});
    const double large = 20 * std::ldexp(1.0, 49);
    t.table.LabelTotalWin.setCaption(formatNumber(large));
    t.scriptCards({2, 2, 2, 2, 2});
    t.game.Short2_Click();
    EXPECT_EQ(t.win(), formatNumber(2 * large));
    EXPECT_NE(t.win().find('e'), std::string::npos) << t.win();
}

TEST(Pick, AWinThatOverflowsEndsThePickAfterItsCue) {
    TestGame t;
    dealt(t, 20, {3, 9, 9, 9, 9});
    t.table.LabelTotalWin.setCaption("1e308");
    EXPECT_THROW(t.game.Short2_Click(), RuleError);
    EXPECT_EQ(t.log, (Log{kClick, "Short2 hidden", "pump", "pause 300", kWin}))
        << "the cue had started; the other backs stay";
    EXPECT_EQ(t.win(), "1e308") << "the overflowing double is not written";
    EXPECT_EQ(t.game.Eche, 0) << "the rule ended before it set the flag";
}

TEST(Pick, TieRedealsForTheSameWinWithoutACue) {
    TestGame t;
    dealt(t, 12, {7, 7, 7, 7, 7});
    t.table.LabelStep.setCaption("3"); // as deep in a chain
    t.scriptCards({4, 5, 6, 7, 8});
    t.game.Short4_Click();
    EXPECT_EQ(t.pacing(), (Log{kClick, "pump", "pause 300", "pump", "pause 2500"}));
    EXPECT_EQ(t.win(), "12");
    EXPECT_EQ(t.step(), "4") << "the tie keeps the step, the chain deal counts one more";
    EXPECT_EQ(t.doubled(), "24");
    EXPECT_EQ(t.credit(), "97");
}

TEST(Pick, BeforeTheFirstDealDoesNothing) {
    for (int slot = 2; slot <= 5; ++slot) {
        TestGame t;
        pickSlot(t, slot);
        EXPECT_TRUE(t.log.empty());
        EXPECT_EQ(t.table.ImagePick.leftTwips, design::control("ImagePick").twips.left);
        EXPECT_TRUE(t.faceDown(slot));
    }
    // A dealer's card alone is not enough either.
    TestGame t;
    t.random.add({rankDraw(5), suitDraw(1)});
    t.game.GetCard(1);
    t.game.Short2_Click();
    EXPECT_TRUE(t.log.empty());
}

TEST(Pick, AfterCollectPlaysTheOldCardsForAZeroWin) {
    TestGame t;
    dealt(t, 20, {3, 9, 9, 9, 9});
    t.game.Command2_Click();
    EXPECT_EQ(t.credit(), "117");
    t.scriptCards({4, 5, 6, 7, 8});
    t.game.Short2_Click();
    EXPECT_TRUE(t.faceDown(1) == false) << "the chain's deal turned the dealer's card up";
    EXPECT_EQ(t.win(), "0");
    EXPECT_EQ(t.credit(), "114") << "the automatic deal on a zero win is charged";
}

TEST(Pick, ABadTagEndsThePickAfterItsEarlierSteps) {
    TestGame t;
    dealt(t, 20, {9, 9, 9, 9, 9});
    t.table.NumCard[1].tagText = "9x";
    EXPECT_THROW(t.game.Short2_Click(), RuleError);
    EXPECT_EQ(t.log, (Log{kClick, "Short2 hidden", "pump", "pause 300"}));
    EXPECT_EQ(t.table.ImagePick.leftTwips, 1330.0f);
    EXPECT_TRUE(t.faceDown(3)) << "the other backs were not turned";
    EXPECT_EQ(t.game.Eche, 0);
}

TEST(Pick, AnErrorInTheChainDealEndsThePickToo) {
    TestGame t;
    dealt(t, 20, {3, 9, 9, 9, 9});
    t.table.LabelStep.captionText = "";
    EXPECT_THROW(t.game.Short2_Click(), RuleError);
    EXPECT_EQ(t.win(), "40") << "the outcome stays applied";
    EXPECT_EQ(t.pacing().back(), "pause 2500");
}

// Clicks waiting in the queue run inside the pick when it pumps events.

TEST(PickNesting, SecondPickAtTheFirstPumpRunsCompletelyInside) {
    TestGame t;
    dealt(t, 20, {5, 9, 3, 9, 9});
    // The inner pick of slot 3 loses; the outer pick of slot 2 then compares its 9
    // with the dealer's 5 on the same cards and wins, for the now zero win.
    t.pump.at(1, [&] { t.game.Short3_Click(); });
    t.scriptCards({4, 5, 6, 7, 8});
    t.game.Short2_Click();
    EXPECT_EQ(t.pacing(), (Log{kClick, "pump", kClick, "pump", "pause 300", "pause 300", kWin,
                               "pump", "pause 2500"}));
    EXPECT_EQ(t.win(), "0");
    EXPECT_EQ(t.step(), "2") << "the loss reset the step, the chain deal counted it";
    EXPECT_EQ(t.credit(), "94") << "the chain deal on a zero win was charged";
    EXPECT_EQ(t.table.ImagePick.leftTwips, 5000.0f);
}

TEST(PickNesting, PlayAtTheFirstPumpReplacesTheCardsBeforeTheShowdown) {
    TestGame t;
    dealt(t, 20, {14, 2, 2, 2, 2}); // would lose against the ace
    t.pump.at(1, [&] { t.game.Command1_Click(); });
    t.scriptWin(5); // the nested deal: free, as the win stands
    t.scriptCards({3, 9, 9, 9, 9});
    t.scriptCards({2, 2, 2, 2, 2}); // the chain deal after the won showdown
    t.game.Short2_Click();
    EXPECT_EQ(t.credit(), "97");
    EXPECT_EQ(t.win(), "10") << "the nested deal's win of 5, doubled";
    EXPECT_EQ(t.step(), "2");
    // The inner deal showed the picked back again; the pick turns only the other three.
    const auto pause = std::find(t.log.begin(), t.log.end(), "pause 300");
    const Log afterShowdown(pause + 1, pause + 5);
    EXPECT_EQ(afterShowdown, (Log{kWin, "Short3 hidden", "Short4 hidden", "Short5 hidden"}));
}

TEST(PickNesting, CollectAtTheSecondPumpDoesNotStopTheFollowingDeal) {
    TestGame t;
    dealt(t, 20, {3, 9, 9, 9, 9});
    t.pump.at(2, [&] { t.game.Command2_Click(); });
    t.scriptWin(6); // the deal after the pause is a fresh, charged play
    t.scriptCards({2, 2, 2, 2, 2});
    t.game.Short5_Click();
    EXPECT_EQ(t.credit(), "134") << "97 + 40 collected, then 3 charged";
    EXPECT_EQ(t.win(), "6");
    EXPECT_EQ(t.doubled(), "12");
    EXPECT_EQ(t.step(), "1");
    EXPECT_EQ(t.game.Eche, 0);
}

TEST(PickNesting, PlayAtTheSecondPumpDealsAndThePickDealsAgain) {
    TestGame t;
    dealt(t, 20, {3, 9, 9, 9, 9});
    t.pump.at(2, [&] { t.game.Command1_Click(); });
    t.scriptCards({2, 2, 2, 2, 2});
    t.scriptCards({4, 4, 4, 4, 4});
    t.game.Short2_Click();
    EXPECT_EQ(t.credit(), "97");
    EXPECT_EQ(t.win(), "40");
    EXPECT_EQ(t.step(), "3") << "two chain deals, each counting a step";
    EXPECT_EQ(t.doubled(), "80");
    EXPECT_EQ(t.table.NumCard[0].tagText, "4");
    EXPECT_TRUE(t.random.numbers.empty());
}

} // namespace
} // namespace game::testing
