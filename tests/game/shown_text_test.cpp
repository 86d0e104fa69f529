// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The characters the window can show, which the embedded fonts are cut down to.
#include "game/double_up.h"
#include "game/language.h"
#include "game/number_text.h"
#include "game/shown_text.h"
#include "game/window_design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace game {
namespace {

bool shown(const std::string& character) {
    const std::vector<std::string> all = utf8Characters(shownCharacters());
    return std::find(all.begin(), all.end(), character) != all.end();
}

TEST(ShownText, SplitsUtf8IntoCharacters) {
    const struct {
        const char* text;
        std::vector<std::string> characters;
    } cases[] = {
        {"", {}},
        {"Play", {"P", "l", "a", "y"}},
        {"Жмите", {"Ж", "м", "и", "т", "е"}},
        {"a - б", {"a", " ", "-", " ", "б"}},
        {"€x", {"€", "x"}},
        {"\xF0\x9F\x82\xA1!", {"\xF0\x9F\x82\xA1", "!"}}, // a four-byte character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8Characters(c.text), c.characters) << c.text;
    }
}

TEST(ShownText, HoldsEveryCharacterOfEveryCaptionAndOfTheMenusWords) {
    for (const design::Control& control : design::form1()) {
        for (const std::string& character : utf8Characters(control.caption)) {
            EXPECT_TRUE(shown(character)) << control.name << ": '" << character << "'";
        }
    }
    // The menu's entries and the windows it opens: "—" and «» are in no caption.
    for (std::string_view text : design::texts()) {
        for (const std::string& character : utf8Characters(text)) {
            EXPECT_TRUE(shown(character)) << text << ": '" << character << "'";
        }
    }
}

TEST(ShownText, HoldsEveryRankAndEveryNumberCharacter) {
    for (int rank = 2; rank <= 14; ++rank) {
        for (const std::string& character : utf8Characters(rankText(rank))) {
            EXPECT_TRUE(shown(character)) << "rank " << rank;
        }
    }
    for (const char character : kNumberCharacters) {
        EXPECT_TRUE(shown(std::string(1, character))) << character;
    }
}

TEST(ShownText, NamesEachCharacterOnceInByteOrder) {
    const std::vector<std::string> all = utf8Characters(shownCharacters());
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), all.size());
}

// Whatever the rules compute, the number they write uses the number characters only.
TEST(ShownText, NumbersAreWrittenWithTheNumberCharactersOnly) {
    const double max = std::numeric_limits<double>::max();
    const double values[] = {0,       -0.0,    1,       -2,     97,     160,
                             1e14,    1e15,    -1e15,   9.5e15, 1e16,   20 * std::ldexp(1.0, 70),
                             -max,    max,     0.5,     -0.25,  1e-5,   -3.125e-300,
                             1.0 / 3, 2.0 / 3, 123.456, 1e300,  -1e-300};
    for (const double value : values) {
        const std::string text = formatNumber(value);
        EXPECT_EQ(text.find_first_not_of(kNumberCharacters), std::string::npos)
            << value << " is written as " << text;
    }
    for (const long long whole : {0LL, 1LL, -14LL, std::numeric_limits<long long>::min()}) {
        const std::string text = formatWhole(whole);
        EXPECT_EQ(text.find_first_not_of(kNumberCharacters), std::string::npos) << text;
    }
}

} // namespace
} // namespace game
