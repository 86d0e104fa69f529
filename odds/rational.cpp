// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/rational.h"

#include <stdexcept>

namespace odds {
namespace {

// A whole number of hundredths, thousandths ... written with its decimal point.
std::string withPoint(const mpz_class& scaled, int places, bool negative) {
    std::string digits = scaled.get_str();
    if (places > 0) {
        if (digits.size() <= static_cast<std::size_t>(places)) {
            digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - static_cast<std::size_t>(places), 1, '.');
    }
    return (negative && scaled != 0 ? "-" : "") + digits;
}

mpz_class pow10(int places) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(places));
    return p;
}

} // namespace

Rational ratio(long numerator, long denominator) {
    Rational r(numerator, denominator);
    r.canonicalize();
    return r;
}

std::string fraction(const Rational& value) {
    return value.get_str();
}

std::string decimal(const Rational& value, int places) {
    const bool negative = sgn(value) < 0;
    const mpz_class magnitude = abs(value.get_num());
    const mpz_class& d = value.get_den();
    // round(|n| / d * 10^p) = floor((2 |n| 10^p + d) / 2d)
    const mpz_class scaled = (2 * magnitude * pow10(places) + d) / (2 * d);
    return withPoint(scaled, places, negative);
}

std::string sqrtDecimal(const Rational& value, int places) {
    if (sgn(value) < 0) {
        throw std::domain_error("the square root of a negative number");
    }
    // s = floor(2 * 10^p * sqrt(n/d)) = floor(sqrt(4 * 10^2p * n / d)); the rounded root is
    // (s + 1) / 2. The floor of the quotient under the root does not change s.
    const mpz_class inner = 4 * value.get_num() * pow10(2 * places) / value.get_den();
    const mpz_class s = sqrt(inner);
    return withPoint((s + 1) / 2, places, false);
}

double approx(const Rational& value) {
    return value.get_d();
}

} // namespace odds
