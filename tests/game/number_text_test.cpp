// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/number_text.h"
#include "game/rule_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace game {
namespace {

TEST(NumberText, ParsesWhatTheRulesWrite) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"0", 0},
                 {"100", 100},
                 {"-2", -2},
                 {"14", 14},
                 {"999999999999999", 999999999999999.0},
                 {"1.5e+20", 1.5e20}};
    for (const auto& c : cases) {
        EXPECT_EQ(parseNumber(c.text), c.value) << c.text;
    }
}

TEST(NumberText, RejectsTextThatIsNoNumber) {
    for (const char* text : {"", " ", "abc", "12abc", "1,5", "inf", "nan", "1e999", "--1"}) {
        EXPECT_THROW(parseNumber(text), RuleError) << '"' << text << '"';
    }
}

TEST(NumberText, FormatsWholeNumbersAsPlainDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{0, "0"},
                 {-0.0, "0"},
                 {97, "97"},
                 {-2, "-2"},
                 {160, "160"},
                 {1e14, "100000000000000"},
                 {999999999999999.0, "999999999999999"},
                 {-999999999999999.0, "-999999999999999"}};
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
    }
    EXPECT_EQ(formatWhole(0), "0");
    EXPECT_EQ(formatWhole(1), "1");
    EXPECT_EQ(formatWhole(-14), "-14");
}

TEST(NumberText, LargeMagnitudesUseAnExponentThatReadsBackExactly) {
    // A win of 20 doubled 50 and 60 times, and the largest finite double.
    for (double value : {1e15, 20 * std::ldexp(1.0, 50), -20 * std::ldexp(1.0, 60),
                         std::numeric_limits<double>::max()}) {
        const std::string text = formatNumber(value);
        EXPECT_NE(text.find('e'), std::string::npos) << text;
        EXPECT_EQ(parseNumber(text), value) << text;
    }
}

TEST(NumberText, OverflowIsAnError) {
    const double max = std::numeric_limits<double>::max();
    EXPECT_THROW(formatNumber(max + max), RuleError);
    EXPECT_THROW(formatNumber(std::nan("")), RuleError);
}

} // namespace
} // namespace game
