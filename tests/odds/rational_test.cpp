// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact fractions in lowest terms, and their text: decimals and roots, rounded exactly.
#include "odds/rational.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace odds {
namespace {

TEST(Rational, KeepsLowestTermsWithAPositiveDenominator) {
    EXPECT_EQ(fraction(ratio(6, 8)), "3/4");
    EXPECT_EQ(fraction(ratio(3, -9)), "-1/3");
    EXPECT_EQ(fraction(ratio(0, -5)), "0");
    EXPECT_EQ(fraction(ratio(12, 4)), "3");
}

TEST(Rational, DecimalsRoundHalfAwayFromZero) {
    struct Case {
        Rational value;
        int places;
        const char* text;
    };
    const Case cases[] = {
        {ratio(3907, 931), 6, "4.196563"},
        {ratio(3907, 2793), 6, "1.398854"},
        {ratio(1, 8), 2, "0.13"},
        {ratio(-1, 8), 2, "-0.13"},
        {ratio(1, 3), 0, "0"},
        {ratio(2, 3), 0, "1"},
        {ratio(1, 1000), 2, "0.00"},
        {ratio(123456789, 1), 3, "123456789.000"},
        {ratio(-1, 1000), 2, "0.00"},
        {ratio(5, 100), 1, "0.1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decimal(c.value, c.places), c.text) << fraction(c.value);
    }
}

TEST(Rational, SquareRootsInIntegers) {
    EXPECT_EQ(sqrtDecimal(Rational(4), 3), "2.000");
    EXPECT_EQ(sqrtDecimal(Rational(2), 6), "1.414214");
    EXPECT_EQ(sqrtDecimal(ratio(1, 4), 2), "0.50");
    EXPECT_EQ(sqrtDecimal(Rational(0), 2), "0.00");
    EXPECT_EQ(sqrtDecimal(ratio(10000000000L, 1), 1), "100000.0");
    EXPECT_THROW((void)sqrtDecimal(Rational(-1), 2), std::domain_error);
}

} // namespace
} // namespace odds
