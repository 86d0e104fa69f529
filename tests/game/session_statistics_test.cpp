// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// This session's figures over a scripted session on the in-memory table: charged plays, a won
// chain with a tie in it, Play on a standing win, a loss, and collects.
#include "game/session_statistics.h"
#include "tests/game/fakes.h"

namespace game::testing {
namespace {

TEST(SessionStatistics, CountsEveryFigureOfAScriptedSession) {
    TestGame t;
    SessionStatistics statistics(DoubleUp::kPlayCharge);
    t.game.observe(statistics);

    t.play(20, {9, 3, 10, 4, 5});    // charged
    t.scriptCards({7, 7, 6, 8, 2});  // the 10 beats the 9: a win of 40, the chain deals again
    t.game.Short3_Click();           // chain of 2
    t.scriptCards({14, 2, 2, 2, 2}); // the 7 ties the 7: the chain deals again
    t.game.Short2_Click();           // chain of 3
    t.scriptCards({12, 11, 13, 3, 4});
    t.game.Command1_Click(); // Play on the standing win: a step, not charged; chain of 4
    t.game.Command2_Click(); // collects 40
    t.play(7, {6, 2, 2, 2, 2});
    t.game.Short2_Click();   // the 2 loses to the 6
    t.game.Command2_Click(); // collects nothing
    t.play(15, {6, 2, 2, 2, 2});
    t.game.Command2_Click(); // collects 15
    ASSERT_EQ(t.credit(), "146");

    const SessionFigures& f = statistics.figures();
    EXPECT_EQ(f.playsCharged, 3);
    EXPECT_EQ(f.creditsPaid, 3 * DoubleUp::kPlayCharge);
    EXPECT_EQ(f.winsCollected, 2);
    EXPECT_EQ(f.collectedSum, 55);
    EXPECT_EQ(f.biggestWin, 40);
    EXPECT_EQ(f.longestChain, 4);
    // What the credit gained since the start is the net.
    EXPECT_EQ(f.net(), 146 - 100);
    EXPECT_DOUBLE_EQ(f.returnSoFar(), 55 / (3 * DoubleUp::kPlayCharge));
}

TEST(SessionStatistics, SaysNoReturnBeforeAnythingWasPaid) {
    EXPECT_EQ(SessionStatistics(DoubleUp::kPlayCharge).figures().returnSoFar(), 0);
}

} // namespace
} // namespace game::testing
