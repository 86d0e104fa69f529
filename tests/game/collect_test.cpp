// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Забрать": banking the win onto the credit.
#include "game/number_text.h"
#include "game/rule_error.h"
#include "tests/game/fakes.h"

namespace game::testing {
namespace {

TEST(Collect, AddsTheWinToTheCreditAndCoversTheCards) {
    const struct {
        const char* credit;
        const char* win;
        const char* sum;
    } cases[] = {{"97", "20", "117"}, {"100", "0", "100"}, {"-5", "2", "-3"}, {"97", "40", "137"}};
    for (const auto& c : cases) {
        TestGame t;
        t.table.LabelCredit.setCaption(c.credit);
        t.table.LabelTotalWin.setCaption(c.win);
        t.table.LabelStep.setCaption("4");
        t.table.LabelDouble.setCaption("80");
        t.table.ImagePick.leftTwips = 2170;
        t.game.Eche = -1;
        t.game.Command2_Click();
        EXPECT_EQ(t.credit(), c.sum);
        EXPECT_EQ(t.win(), "0");
        EXPECT_EQ(t.game.Eche, 0);
        EXPECT_EQ(t.step(), "4") << "the step keeps its count";
        EXPECT_EQ(t.doubled(), "80");
        EXPECT_EQ(t.table.ImagePick.leftTwips, 2170.0f);
        EXPECT_EQ(t.log, (Log{"Short1 shown", "Short2 shown", "Short3 shown", "Short4 shown",
                              "Short5 shown"}));
    }
}

TEST(Collect, AnUnreadableOrOverflowingValueChangesNothing) {
    const struct {
        const char* credit;
        const char* win;
    } cases[] = {{"abc", "20"}, {"100", ""}, {"1.7e308", "1.7e308"}};
    for (const auto& c : cases) {
        TestGame t;
        t.table.LabelCredit.captionText = c.credit;
        t.table.LabelTotalWin.captionText = c.win;
        t.game.Eche = -1;
        EXPECT_THROW(t.game.Command2_Click(), RuleError);
        EXPECT_EQ(t.credit(), c.credit);
        EXPECT_EQ(t.win(), c.win);
        EXPECT_EQ(t.game.Eche, -1);
        EXPECT_TRUE(t.log.empty());
    }
}

} // namespace
} // namespace game::testing
