// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The card draw: which numbers make which card, and that a draw touches one slot.
#include "tests/game/fakes.h"

namespace game::testing {
namespace {

TEST(GetCard, MapsTheTwoDrawsToRankAndSuit) {
    const struct {
        float u1, u2;
        const char* tag;
        const char* caption;
        Picture picture;
        Color color;
    } cases[] = {
        {0.0f, 0.0f, "2", "2", Picture::Spades, kBlack},
        {0.99999994f, 0.99999994f, "14", "A", Picture::Hearts, kCardRed},
        {rankDraw(10), suitDraw(2), "10", "10", Picture::Clubs, kBlack},
        {rankDraw(11), suitDraw(3), "11", "J", Picture::Diamonds, kCardRed},
        {rankDraw(12), suitDraw(4), "12", "Q", Picture::Hearts, kCardRed},
        {rankDraw(13), suitDraw(1), "13", "K", Picture::Spades, kBlack},
        {rankDraw(9), suitDraw(2), "9", "9", Picture::Clubs, kBlack},
    };
    for (const auto& c : cases) {
        TestGame t;
        t.random.add({c.u1, c.u2});
        t.game.GetCard(3);
        const MemoryLabel& label = t.table.NumCard[2];
        EXPECT_EQ(label.tagText, c.tag);
        EXPECT_EQ(label.captionText, c.caption);
        EXPECT_EQ(t.table.Card[2].shown, c.picture) << c.tag;
        EXPECT_EQ(label.foreColor, c.color) << c.tag;
        EXPECT_EQ(t.random.reseeds, 1);
        EXPECT_EQ(t.random.draws, 2);
    }
}

TEST(GetCard, CopiesWhateverPictureTheTemplateHolds) {
    TestGame t;
    t.table.ImageCardBub.shown = Picture::CardBack; // a template changed under the rules
    t.random.add({0.0f, suitDraw(3)});
    t.game.GetCard(2);
    EXPECT_EQ(t.table.Card[1].shown, Picture::CardBack);
}

TEST(GetCard, SlotsOutsideTwoToFiveDrawIntoTheDealersSlot) {
    const std::int16_t slots[] = {1, 0, 6, -1, 32767};
    for (std::int16_t slot : slots) {
        TestGame t;
        t.random.add({rankDraw(7), suitDraw(1)});
        t.game.GetCard(slot);
        EXPECT_EQ(t.table.NumCard[0].tagText, "7") << slot;
        for (int other = 1; other < 5; ++other) {
            EXPECT_EQ(t.table.NumCard[other].tagText, "") << slot;
        }
    }
}

TEST(GetCard, TouchesOnlyItsOwnSlot) {
    TestGame t;
    t.random.add({rankDraw(13), suitDraw(2)});
    t.game.GetCard(4);
    for (int i : {0, 1, 2, 4}) {
        EXPECT_EQ(t.table.NumCard[i].captionText, "5");
        EXPECT_EQ(t.table.NumCard[i].tagText, "");
        EXPECT_EQ(t.table.NumCard[i].foreColor, kCardRed);
        EXPECT_EQ(t.table.Card[i].shown, Picture::Hearts);
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(t.table.Short[i].visible) << "a draw never turns a card";
    }
    EXPECT_EQ(t.credit(), "100");
    EXPECT_EQ(t.win(), "0");
    EXPECT_EQ(t.step(), "1");
    EXPECT_EQ(t.doubled(), "0");
    EXPECT_EQ(t.game.Eche, 0);
    EXPECT_TRUE(t.log.empty()) << "a draw neither plays, pumps nor pauses";
}

TEST(GetCard, ReseedsFromTheClockBeforeEachCard) {
    TestGame t;
    t.clock.seconds = 3661.5;
    t.random.add({0.0f, 0.0f, 0.0f, 0.0f});
    t.game.GetCard(2);
    t.game.GetCard(3);
    EXPECT_EQ(t.random.seeds, (std::vector<double>{3661.5, 3661.5}));
}

} // namespace
} // namespace game::testing
