// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Exact fractions for the odds: GMP's rationals, which never overflow (a cap of 2^20 on the win
// makes denominators of hundreds of digits), and their text forms.
#pragma once

#include <gmpxx.h>

#include <string>

namespace odds {

using Rational = mpq_class;

// p/q in lowest terms (both given as whole numbers), for readable constants.
Rational ratio(long numerator, long denominator);

// "3907/2793", or "4" for a whole number.
std::string fraction(const Rational& value);
// Rounded half away from zero to the given number of decimal places, computed exactly;
// never "-0.00".
std::string decimal(const Rational& value, int places);
// The square root, rounded to the given number of decimal places, computed exactly in integers
// (the root of a fraction is rarely a fraction). Throws std::domain_error for a negative value.
std::string sqrtDecimal(const Rational& value, int places);
// A double within a unit in the last place, for sorting, drawing and comparing with a simulation;
// never used to compute an exact figure.
double approx(const Rational& value);

} // namespace odds
