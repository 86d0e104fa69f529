// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the design table has the window tell a screen reader and which keys play it, over
// every row: all in sight speaks, nothing else does, each player's card is named and keyed alike.
#include "game/number_text.h"
#include "game/window_design.h"
#include "tests/game/fakes.h"

#include <algorithm>
#include <set>

namespace game::testing {
namespace {

using design::Control;
using design::Kind;
using design::Speech;

bool isNumber(std::string_view text) {
    try {
        parseNumber(text);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool under(const Control& c, const Control& cover) {
    const Rect& r = c.twips;
    const Rect& b = cover.twips;
    return c.parent == cover.parent && r.left >= b.left - 15 && r.top >= b.top - 15 &&
           r.right() <= b.right() + 15 && r.bottom() <= b.bottom() + 15;
}

// A control lying beneath a card back: part of that card slot.
bool partOfASlot(const Control& c) {
    return std::any_of(design::form1().begin(), design::form1().end(), [&c](const Control& back) {
        return back.picture == Picture::CardBack && &back != &c && under(c, back);
    });
}

TEST(DesignSpeech, EverythingInSightSpeaksAndNothingElse) {
    const Control& window = design::form1().front();
    for (const Control& c : design::form1()) {
        SCOPED_TRACE(c.name);
        const bool outOfSight = c.parent == window.name && c.twips.top >= window.twips.height;
        switch (c.kind) {
        case Kind::Window:
            EXPECT_EQ(c.speech, Speech::Caption);
            EXPECT_FALSE(c.spoken.empty()) << "the window's description tells the keys";
            break;
        case Kind::Frame:
            EXPECT_EQ(c.speech, Speech::Named);
            break;
        case Kind::Button:
            EXPECT_EQ(c.speech, Speech::Caption);
            break;
        case Kind::Label:
            if (partOfASlot(c)) {
                EXPECT_EQ(c.speech, Speech::Unseen) << "a rank label speaks only through its slot";
            } else {
                EXPECT_EQ(c.speech, isNumber(c.caption) ? Speech::Value : Speech::Caption);
            }
            break;
        case Kind::Image:
            if (c.picture == Picture::CardBack) {
                EXPECT_EQ(c.speech, Speech::CardSlot);
            } else if (c.picture == Picture::PickTag) {
                EXPECT_EQ(c.speech, Speech::Marker);
            } else {
                // Decorations, the dealer's tag, the suit pictures of the slots, the templates.
                EXPECT_EQ(c.speech, Speech::Unseen);
            }
            break;
        }
        if (outOfSight) {
            EXPECT_EQ(c.speech, Speech::Unseen) << "out of sight for the whole run";
        }
    }
}

TEST(DesignSpeech, NamedControlsHaveDistinctNames) {
    std::set<std::string_view> names;
    for (const Control& c : design::form1()) {
        if (c.speech == Speech::Value || c.speech == Speech::Named ||
            c.speech == Speech::CardSlot || c.speech == Speech::Marker) {
            EXPECT_FALSE(c.spoken.empty()) << c.name;
            EXPECT_TRUE(names.insert(c.spoken).second) << c.name << " shares its name";
        }
    }
}

TEST(DesignSpeech, ThePlayersCardsAreNamedAndKeyedOneToFourFromTheLeft) {
    std::vector<const Control*> backs;
    for (const Control& c : design::form1()) {
        if (c.speech == Speech::CardSlot) {
            backs.push_back(&c);
        }
        if (c.key != 0) {
            EXPECT_NE(c.click, nullptr) << c.name << " has a key but takes no click";
        }
    }
    std::sort(backs.begin(), backs.end(),
              [](const Control* a, const Control* b) { return a->twips.left < b->twips.left; });
    ASSERT_EQ(backs.size(), 5u);
    EXPECT_EQ(backs[0]->click, nullptr) << "the dealer's card, leftmost, is not picked";
    EXPECT_EQ(backs[0]->key, 0);
    EXPECT_EQ(backs[0]->spoken, "Карта дилера");
    for (int n = 1; n <= 4; ++n) {
        const Control& back = *backs[static_cast<std::size_t>(n)];
        SCOPED_TRACE(back.name);
        EXPECT_NE(back.click, nullptr);
        EXPECT_EQ(back.key, static_cast<char>('0' + n));
        EXPECT_EQ(back.spoken, "Карта " + std::to_string(n));
    }
}

TEST(DesignSpeech, EveryRankTheDrawWritesHasItsWord) {
    TestGame g;
    std::set<std::string_view> words;
    for (int rank = 2; rank <= 14; ++rank) {
        g.random.add({rankDraw(rank), suitDraw(1)});
        g.game.GetCard(1);
        const std::string_view word = design::spokenRank(g.table.NumCard[0].captionText);
        EXPECT_FALSE(word.empty()) << g.table.NumCard[0].captionText;
        words.insert(word);
    }
    EXPECT_EQ(words.size(), 13u);
    EXPECT_EQ(design::spokenRank("Q"), "дама");
    EXPECT_EQ(design::spokenRank("10"), "десятка");
    for (std::string_view notARank : {"", "1", "11", "q", "5 "}) {
        EXPECT_TRUE(design::spokenRank(notARank).empty()) << notARank;
    }
}

TEST(DesignSpeech, EveryFaceHasItsSuitAndNoOtherPictureHasOne) {
    std::set<std::string_view> suits;
    for (const PictureInfo& info : kPictures) {
        const std::string_view suit = design::spokenSuit(info.picture);
        const bool face = info.picture == Picture::Hearts || info.picture == Picture::Spades ||
                          info.picture == Picture::Clubs || info.picture == Picture::Diamonds;
        EXPECT_EQ(suit.empty(), !face) << info.name;
        if (face) {
            suits.insert(suit);
        }
    }
    EXPECT_EQ(suits.size(), 4u);
    EXPECT_EQ(design::spokenSuit(Picture::Hearts), "червей");
    EXPECT_TRUE(design::spokenSuit(Picture::None).empty());
}

} // namespace
} // namespace game::testing
