// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Play": the charge, the simulated win or the chain step, and the five cards.
#include "game/rule_error.h"
#include "tests/game/fakes.h"

namespace game::testing {
namespace {

TEST(Deal, ALoadedTableHoldsTheDesignContentsAndNoChain) {
    TestGame t;
    // A load ends whatever chain the flag says runs.
    t.game.Eche = -1;
    t.game.Form_Load();
    EXPECT_EQ(t.credit(), "100");
    EXPECT_EQ(t.win(), "0");
    EXPECT_EQ(t.step(), "1");
    EXPECT_EQ(t.doubled(), "0");
    EXPECT_EQ(t.game.Eche, 0);
    EXPECT_EQ(t.table.ImagePick.leftTwips, design::control("ImagePick").twips.left);
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_TRUE(t.faceDown(slot));
        EXPECT_EQ(t.table.NumCard[slot - 1].tagText, "");
        EXPECT_EQ(t.table.NumCard[slot - 1].captionText, "5");
        EXPECT_EQ(t.table.Card[slot - 1].shown, Picture::Hearts);
    }
}

TEST(Deal, FirstPlayIsChargedAndPutsUpASimulatedWin) {
    TestGame t;
    t.play(20, {9, 3, 4, 5, 6});
    EXPECT_EQ(t.credit(), "97");
    EXPECT_EQ(t.win(), "20");
    EXPECT_EQ(t.doubled(), "40");
    EXPECT_EQ(t.step(), "1");
    EXPECT_EQ(t.game.Eche, 0);
    EXPECT_EQ(t.random.reseeds, 1 + 5);
    EXPECT_EQ(t.random.draws, 5 + 10);
    EXPECT_TRUE(t.random.numbers.empty());
}

TEST(Deal, DealsTheDealerFaceUpAndFourCardsFaceDown) {
    TestGame t;
    t.table.ImagePick.leftTwips = 2170;
    t.play(0, {9, 3, 10, 12, 14});
    const char* tags[] = {"9", "3", "10", "12", "14"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(t.table.NumCard[i].tagText, tags[i]);
    }
    EXPECT_EQ(t.table.ImagePick.leftTwips, 5000.0f);
    EXPECT_EQ(t.log, (Log{"Short1 shown", "Short2 shown", "Short3 shown", "Short4 shown",
                          "Short5 shown", "Short1 hidden"}));
    EXPECT_FALSE(t.faceDown(1));
    for (int slot = 2; slot <= 5; ++slot) {
        EXPECT_TRUE(t.faceDown(slot));
    }
}

TEST(Deal, PlayWhileAWinStandsIsFreeAndReplacesTheWin) {
    TestGame t;
    t.play(20, {2, 2, 2, 2, 2});
    t.play(7, {2, 2, 2, 2, 2});
    EXPECT_EQ(t.credit(), "97");
    EXPECT_EQ(t.win(), "7");
    EXPECT_EQ(t.doubled(), "14");
}

TEST(Deal, AChainStepCountsAndDoublesWithoutDrawingAWinAndChargesOnlyAZeroWin) {
    const struct {
        const char *win, *step, *credit, *nextStep, *doubled;
    } cases[] = {{"40", "2", "100", "3", "80"}, {"0", "1", "97", "2", "0"}};
    for (const auto& c : cases) {
        TestGame t;
        t.table.LabelTotalWin.captionText = c.win;
        t.table.LabelStep.captionText = c.step;
        t.game.Eche = -1;
        t.scriptCards({5, 6, 7, 8, 9});
        t.game.Command1_Click();
        EXPECT_EQ(t.credit(), c.credit) << "win " << c.win;
        EXPECT_EQ(t.win(), c.win);
        EXPECT_EQ(t.step(), c.nextStep);
        EXPECT_EQ(t.doubled(), c.doubled);
        EXPECT_EQ(t.game.Eche, -1);
        EXPECT_EQ(t.random.reseeds, 5) << "only the cards reseed in a chain step";
        EXPECT_EQ(t.random.draws, 10);
    }
}

TEST(Deal, ChargesBelowZeroWithoutRefusal) {
    TestGame t;
    for (int i = 0; i < 34; ++i) {
        t.play(0, {2, 2, 2, 2, 2});
    }
    EXPECT_EQ(t.credit(), "-2");
    t.play(0, {2, 2, 2, 2, 2});
    EXPECT_EQ(t.credit(), "-5");
}

TEST(Deal, SimulatedWinBranches) {
    const float justBelowOne = 0.99999994f;
    const float hitsTenOf9 = 8.5f / 9;   // floor(r*9+2) == 10
    const float hitsTenOf19 = 8.5f / 19; // floor(r*19+2) == 10
    const float hitsTenOf49 = 8.5f / 49; // floor(r*49+2) == 10
    const struct {
        float r1, r2, r3, r4, r5;
        const char* win;
    } cases[] = {
        {0.0f, 0.0f, 0.0f, 0.0f, justBelowOne, "2"},
        {justBelowOne, 0.0f, 0.0f, 0.0f, justBelowOne, "20"},
        {hitsTenOf19, 0.0f, 0.0f, 0.0f, 0.75f, "10"},
        {justBelowOne, justBelowOne, justBelowOne, justBelowOne, 0.7499999f, "0"},
        {0.5f, hitsTenOf9, hitsTenOf19, hitsTenOf49, 0.74f, "0"},
        {0.5f, hitsTenOf9, 0.0f, 0.0f, 0.75f, "30"},
        {0.5f, 0.0f, hitsTenOf19, 0.0f, 0.75f, "50"},
        {0.5f, hitsTenOf9, hitsTenOf19, 0.0f, 0.75f, "50"},
        {0.5f, 0.0f, 0.0f, hitsTenOf49, 0.75f, "100"},
        {0.5f, hitsTenOf9, hitsTenOf19, hitsTenOf49, justBelowOne, "100"},
        {0.5f, 0.5f, 0.999f, 0.999f, 0.8f, "11"},
    };
    for (const auto& c : cases) {
        TestGame t;
        t.random.add({c.r1, c.r2, c.r3, c.r4, c.r5});
        t.scriptCards({2, 2, 2, 2, 2});
        t.game.Command1_Click();
        EXPECT_EQ(t.win(), c.win) << c.r1 << ' ' << c.r2 << ' ' << c.r3 << ' ' << c.r4 << ' '
                                  << c.r5;
        EXPECT_EQ(t.doubled(), std::to_string(2 * std::stoi(c.win)));
    }
}

TEST(Deal, AnUnreadableValueEndsTheDealKeepingEarlierSteps) {
    TestGame t;
    t.table.LabelStep.captionText = "x";
    t.table.LabelTotalWin.captionText = "8";
    t.table.ImagePick.leftTwips = 1330;
    t.game.Eche = -1;
    EXPECT_THROW(t.game.Command1_Click(), RuleError);
    EXPECT_EQ(t.table.ImagePick.leftTwips, 5000.0f) << "the marker stays parked";
    EXPECT_TRUE(t.faceDown(1)) << "the backs stay shown";
    EXPECT_EQ(t.step(), "x");
    EXPECT_EQ(t.doubled(), "0");
    EXPECT_EQ(t.random.draws, 0) << "no card was dealt";

    TestGame u;
    u.table.LabelCredit.captionText = "";
    EXPECT_THROW(u.game.Command1_Click(), RuleError);
    EXPECT_TRUE(u.log.empty()) << "the backs were not yet shown";
}

TEST(Deal, ADoubledAmountThatOverflowsIsNotWritten) {
    TestGame t;
    t.table.LabelTotalWin.captionText = "1e308";
    t.game.Eche = -1;
    EXPECT_THROW(t.game.Command1_Click(), RuleError);
    EXPECT_EQ(t.step(), "2") << "the step was counted before the doubling failed";
    EXPECT_EQ(t.doubled(), "0");
}

} // namespace
} // namespace game::testing
