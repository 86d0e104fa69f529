// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Exact fractions for the odds. Numerator and denominator are 128-bit integers, kept in lowest
// terms after every operation and cross-cancelled before every product, so the figures of this
// game (denominators of a few powers of 2, 7, 13 and 19) stay far inside the range. Every
// operation checks for overflow and throws std::overflow_error rather than give a wrong figure.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace odds {

__extension__ typedef __int128 Int128;

class Rational {
  public:
    Rational() = default;
    Rational(long long whole) : num_(whole) {} // NOLINT: a whole number is a fraction
    Rational(Int128 numerator, Int128 denominator);

    Int128 numerator() const { return num_; }
    Int128 denominator() const { return den_; }

    friend Rational operator+(const Rational& a, const Rational& b);
    friend Rational operator-(const Rational& a, const Rational& b);
    friend Rational operator*(const Rational& a, const Rational& b);
    friend Rational operator/(const Rational& a, const Rational& b);
    Rational& operator+=(const Rational& b) { return *this = *this + b; }
    Rational& operator-=(const Rational& b) { return *this = *this - b; }
    Rational& operator*=(const Rational& b) { return *this = *this * b; }
    Rational& operator/=(const Rational& b) { return *this = *this / b; }

    friend bool operator==(const Rational& a, const Rational& b) = default;
    friend std::strong_ordering operator<=>(const Rational& a, const Rational& b);

    // "3907/2793", or "4" for a whole number.
    std::string fraction() const;
    // Rounded half away from zero to the given number of decimal places, computed exactly.
    std::string decimal(int places) const;
    // The square root, rounded to the given number of decimal places, computed exactly in
    // integers (the root of a fraction is rarely a fraction). Throws for a negative value.
    std::string sqrtDecimal(int places) const;
    // The nearest double, for sorting and drawing; never used to compute an exact figure.
    double approx() const;

  private:
    Int128 num_ = 0;
    Int128 den_ = 1;
};

std::string toString(Int128 value);

} // namespace odds
