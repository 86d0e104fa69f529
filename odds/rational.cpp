// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/rational.h"

#include <algorithm>
#include <stdexcept>

namespace odds {
namespace {

Int128 gcd(Int128 a, Int128 b) {
    if (a < 0) {
        a = -a;
    }
    if (b < 0) {
        b = -b;
    }
    while (b != 0) {
        const Int128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

[[noreturn]] void overflow() {
    throw std::overflow_error("exact arithmetic overflowed 128 bits");
}

Int128 mul(Int128 a, Int128 b) {
    Int128 r = 0;
    if (__builtin_mul_overflow(a, b, &r)) {
        overflow();
    }
    return r;
}

Int128 add(Int128 a, Int128 b) {
    Int128 r = 0;
    if (__builtin_add_overflow(a, b, &r)) {
        overflow();
    }
    return r;
}

Int128 pow10(int n) {
    Int128 r = 1;
    for (int i = 0; i < n; ++i) {
        r = mul(r, 10);
    }
    return r;
}

// floor(sqrt(n)) for n >= 0, by Newton's method on integers.
Int128 isqrt(Int128 n) {
    if (n < 2) {
        return n;
    }
    Int128 x = n;
    Int128 y = (x + 1) / 2;
    while (y < x) {
        x = y;
        y = (x + n / x) / 2;
    }
    return x;
}

// A non-negative value scaled by 10^places, written with its decimal point.
std::string withPoint(Int128 scaled, int places, bool negative) {
    const std::string digits = toString(scaled);
    const auto p = static_cast<std::size_t>(places);
    const std::size_t fractionDigits = std::min(p, digits.size());
    const std::size_t wholeDigits = digits.size() - fractionDigits;
    std::string out = negative && scaled != 0 ? "-" : "";
    if (wholeDigits == 0) {
        out.push_back('0');
    }
    out.append(digits, 0, wholeDigits);
    if (p > 0) {
        out.push_back('.');
        out.append(p - fractionDigits, '0');
        out.append(digits, wholeDigits, fractionDigits);
    }
    return out;
}

} // namespace

Rational::Rational(Int128 numerator, Int128 denominator) {
    if (denominator == 0) {
        throw std::domain_error("a fraction with denominator 0");
    }
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Int128 g = gcd(numerator, denominator);
    num_ = g == 0 ? 0 : numerator / g;
    den_ = g == 0 ? 1 : denominator / g;
}

Rational operator+(const Rational& a, const Rational& b) {
    // Over the least common denominator, so sums of like fractions stay small.
    const Int128 g = gcd(a.den_, b.den_);
    const Int128 da = a.den_ / g;
    const Int128 db = b.den_ / g;
    return Rational(add(mul(a.num_, db), mul(b.num_, da)), mul(a.den_, db));
}

Rational operator-(const Rational& a, const Rational& b) {
    return a + Rational(-b.num_, b.den_);
}

Rational operator*(const Rational& a, const Rational& b) {
    const Int128 g1 = std::max<Int128>(gcd(a.num_, b.den_), 1);
    const Int128 g2 = std::max<Int128>(gcd(b.num_, a.den_), 1);
    return Rational(mul(a.num_ / g1, b.num_ / g2), mul(a.den_ / g2, b.den_ / g1));
}

Rational operator/(const Rational& a, const Rational& b) {
    if (b.num_ == 0) {
        throw std::domain_error("division by 0");
    }
    return a * Rational(b.den_, b.num_);
}

std::strong_ordering operator<=>(const Rational& a, const Rational& b) {
    const Rational d = a - b;
    return d.num_ <=> static_cast<Int128>(0);
}

std::string Rational::fraction() const {
    return den_ == 1 ? toString(num_) : toString(num_) + "/" + toString(den_);
}

std::string Rational::decimal(int places) const {
    const bool negative = num_ < 0;
    const Int128 magnitude = negative ? -num_ : num_;
    // round(|n| / d * 10^p) = floor((2 |n| 10^p + d) / 2d)
    const Int128 scaled = add(mul(mul(magnitude, pow10(places)), 2), den_) / mul(den_, 2);
    return withPoint(scaled, places, negative);
}

std::string Rational::sqrtDecimal(int places) const {
    if (num_ < 0) {
        throw std::domain_error("the square root of a negative number");
    }
    // s = floor(2 * 10^p * sqrt(n/d)) = floor(sqrt(4 * 10^2p * n / d)); the rounded root is
    // (s + 1) / 2. The floor of the quotient under the root does not change s.
    const Int128 inner = mul(mul(num_, pow10(2 * places)), 4) / den_;
    const Int128 s = isqrt(inner);
    return withPoint((s + 1) / 2, places, false);
}

double Rational::approx() const {
    return static_cast<double>(num_) / static_cast<double>(den_);
}

std::string toString(Int128 value) {
    if (value == 0) {
        return "0";
    }
    const bool negative = value < 0;
    std::string out;
    while (value != 0) {
        const int digit = static_cast<int>(value % 10);
        out.push_back(static_cast<char>('0' + (negative ? -digit : digit)));
        value /= 10;
    }
    if (negative) {
        out.push_back('-');
    }
    std::reverse(out.begin(), out.end());
    return out;
}

} // namespace odds
