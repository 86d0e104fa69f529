// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player who cannot see the table hears through a whole session: each thing the rules do
// announced once, in order, with the table as it ends up.
#include "game/announcer.h"
#include "tests/game/fakes.h"

namespace game::testing {
namespace {

TEST(Announcer, TellsEachDealPickAndCollectOnceInOrder) {
    TestGame t;
    Log heard;
    Announcer announcer(t.table.controls(),
                        [&heard](const std::string& text) { heard.push_back(text); });
    t.game.observe(announcer);
    const auto pick = [&t](void (DoubleUp::*click)(), std::initializer_list<int> nextDeal) {
        if (nextDeal.size() > 0) {
            t.scriptCards(nextDeal);
        }
        (t.game.*click)();
    };
    const struct {
        const char* what;
        std::function<void()> act;
        Log announced;
    } steps[] = {
        {"Play, charged",
         [&] {
             t.play(20, {9, 3, 10, 4, 5});
         },
         {"Карта дилера: девятка пик. Total Win: 20. Credit: 97"}},
        {"a won pick and the next deal",
         [&] {
             pick(&DoubleUp::Short3_Click, {7, 7, 6, 8, 2});
         },
         {"Победа: десятка пик. Total Win: 40",
          "Карта дилера: семёрка пик. Новая раздача. Risk Step: 2. Total Win: 40"}},
        {"a tie deals again for the same win",
         [&] {
             pick(&DoubleUp::Short2_Click, {14, 2, 2, 2, 2});
         },
         {"Ничья: семёрка пик. Total Win: 40",
          "Карта дилера: туз пик. Новая раздача. Risk Step: 3. Total Win: 40"}},
        {"Play on a standing win is a step, not charged",
         [&] {
             pick(&DoubleUp::Command1_Click, {12, 11, 13, 3, 4});
         },
         {"Карта дилера: дама пик. Новая раздача. Risk Step: 4. Total Win: 40"}},
        {"a lost pick",
         [&] { pick(&DoubleUp::Short2_Click, {}); },
         {"Проигрыш: валет пик. Total Win: 0"}},
        {"collecting nothing still tells the credit",
         [&] { t.game.Command2_Click(); },
         {"Credit: 97"}},
        {"a pick won on no win deals again at a charge",
         [&] {
             pick(&DoubleUp::Short3_Click, {10, 2, 2, 2, 2});
         },
         {"Победа: король пик. Total Win: 0",
          "Карта дилера: десятка пик. Новая раздача. Risk Step: 2. Total Win: 0. Credit: 94"}},
        {"Play, charged, after a loss",
         [&] {
             pick(&DoubleUp::Short2_Click, {});
             t.play(7, {6, 2, 2, 2, 2});
         },
         {"Проигрыш: двойка пик. Total Win: 0",
          "Карта дилера: шестёрка пик. Total Win: 7. Credit: 91"}},
        {"a collect", [&] { t.game.Command2_Click(); }, {"Credit: 98"}},
    };
    for (const auto& step : steps) {
        heard.clear();
        step.act();
        EXPECT_EQ(heard, step.announced) << step.what;
    }
}

} // namespace
} // namespace game::testing
