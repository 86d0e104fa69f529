// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact fractions: lowest terms, arithmetic, rounding to decimals, roots, and overflow
// refused rather than wrapped.
#include "odds/rational.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace odds {
namespace {

TEST(Rational, KeepsLowestTermsWithAPositiveDenominator) {
    EXPECT_EQ(Rational(6, 8).fraction(), "3/4");
    EXPECT_EQ(Rational(3, -9).fraction(), "-1/3");
    EXPECT_EQ(Rational(0, -5).fraction(), "0");
    EXPECT_EQ(Rational(12, 4).fraction(), "3");
    EXPECT_THROW(Rational(1, 0), std::domain_error);
}

TEST(Rational, Arithmetic) {
    struct Case {
        Rational got;
        Rational want;
    };
    const Case cases[] = {
        {Rational(1, 6) + Rational(1, 3), Rational(1, 2)},
        {Rational(1, 4) - Rational(3, 4), Rational(-1, 2)},
        {Rational(2, 3) * Rational(9, 4), Rational(3, 2)},
        {Rational(2, 3) / Rational(4, 9), Rational(3, 2)},
        {Rational(192, 17689) * 19, Rational(192, 931)},
        {Rational(3907, 931) / 3, Rational(3907, 2793)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.got, c.want) << c.got.fraction() << " vs " << c.want.fraction();
    }
    EXPECT_THROW(Rational(1) / Rational(0), std::domain_error);
    EXPECT_LT(Rational(1, 3), Rational(1, 2));
    EXPECT_GT(Rational(-1, 3), Rational(-1, 2));
}

TEST(Rational, DecimalsRoundHalfAwayFromZero) {
    struct Case {
        Rational value;
        int places;
        const char* text;
    };
    const Case cases[] = {
        {Rational(3907, 931), 6, "4.196563"},
        {Rational(3907, 2793), 6, "1.398854"},
        {Rational(1, 8), 2, "0.13"},
        {Rational(-1, 8), 2, "-0.13"},
        {Rational(1, 3), 0, "0"},
        {Rational(2, 3), 0, "1"},
        {Rational(1, 1000), 2, "0.00"},
        {Rational(123456789, 1), 3, "123456789.000"},
        {Rational(-1, 1000), 2, "0.00"},
        {Rational(5, 100), 1, "0.1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value.decimal(c.places), c.text) << c.value.fraction();
    }
}

TEST(Rational, SquareRootsInIntegers) {
    EXPECT_EQ(Rational(4).sqrtDecimal(3), "2.000");
    EXPECT_EQ(Rational(2).sqrtDecimal(6), "1.414214");
    EXPECT_EQ(Rational(1, 4).sqrtDecimal(2), "0.50");
    EXPECT_EQ(Rational(0).sqrtDecimal(2), "0.00");
    EXPECT_EQ(Rational(10000000000LL).sqrtDecimal(1), "100000.0");
    EXPECT_THROW((void)Rational(-1).sqrtDecimal(2), std::domain_error);
}

TEST(Rational, OverflowIsRefusedNotWrapped) {
    Rational big(1);
    for (int i = 0; i < 120; ++i) {
        big *= 2;
    }
    EXPECT_EQ(toString(big.numerator()), "1329227995784915872903807060280344576");
    EXPECT_THROW(big * big, std::overflow_error);
    EXPECT_THROW(Rational(1, 3) + Rational(1) / big * Rational(1, 1000), std::overflow_error);
    EXPECT_EQ(toString(-big.numerator()), "-1329227995784915872903807060280344576");
}

} // namespace
} // namespace odds
