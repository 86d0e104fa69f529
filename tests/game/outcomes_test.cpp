// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three outcomes of a showdown, on their own.
#include "game/number_text.h"
#include "game/rule_error.h"
#include "tests/game/fakes.h"

#include <cmath>

namespace game::testing {
namespace {

// The starting captions are put in through the controls' setter. Assigning a string literal to
// the caption member directly makes GCC 12 at -O3 report a false -Wrestrict overlap inside
// std::string (GCC bug 105329) in the tests that set two captions in a row.

TEST(Outcomes, WinDoublesTheWinAfterItsCue) {
    TestGame t;
    t.table.LabelTotalWin.setCaption("15");
    const char* expected[] = {"30", "60", "120"};
    for (const char* win : expected) {
        t.game.WIN();
        EXPECT_EQ(t.win(), win);
    }
    EXPECT_EQ(t.log, (Log(3, std::string("cue ") + kProgramDir + "/win.wav")));
    EXPECT_EQ(t.game.Eche, -1);
    EXPECT_EQ(t.step(), "1");
    EXPECT_EQ(t.credit(), "100");
    EXPECT_EQ(t.doubled(), "0");
}

TEST(Outcomes, WinOnZeroStillContinuesTheChain) {
    TestGame t;
    t.game.WIN();
    EXPECT_EQ(t.win(), "0");
    EXPECT_EQ(t.game.Eche, -1);
    EXPECT_EQ(t.log.size(), 1u);
}

TEST(Outcomes, LongChainsSwitchToAnExponentAndFinallyOverflow) {
    TestGame t;
    t.table.LabelTotalWin.setCaption("20");
    for (int i = 0; i < 50; ++i) {
        t.game.WIN();
    }
    EXPECT_EQ(t.win(), "2.251799813685248e+16");
    EXPECT_EQ(parseNumber(t.win()), 20 * std::ldexp(1.0, 50));

    t.table.LabelTotalWin.setCaption("1e308");
    t.game.Eche = 0;
    EXPECT_THROW(t.game.WIN(), RuleError);
    EXPECT_EQ(t.win(), "1e308") << "the overflowing double is not written";
    EXPECT_EQ(t.game.Eche, 0) << "the rule ended before setting the flag";
    EXPECT_EQ(t.log.size(), 51u) << "the cue had already started";
}

TEST(Outcomes, LooseResetsStepAndWinAndEndsTheChain) {
    TestGame t;
    t.table.LabelTotalWin.setCaption("80");
    t.table.LabelStep.setCaption("4");
    t.game.Eche = -1;
    t.game.LOOSE();
    EXPECT_EQ(t.win(), "0");
    EXPECT_EQ(t.step(), "1");
    EXPECT_EQ(t.game.Eche, 0);
    EXPECT_EQ(t.credit(), "100");
    EXPECT_TRUE(t.log.empty());
}

TEST(Outcomes, PeresdachaOnlySetsTheFlag) {
    TestGame t;
    t.table.LabelTotalWin.setCaption("12");
    t.table.LabelStep.setCaption("3");
    t.game.PERESDACHA();
    EXPECT_EQ(t.game.Eche, -1);
    EXPECT_EQ(t.win(), "12");
    EXPECT_EQ(t.step(), "3");
    EXPECT_TRUE(t.log.empty());
}

} // namespace
} // namespace game::testing
