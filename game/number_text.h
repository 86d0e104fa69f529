// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The text form of the table's numbers. Values live as label text, so every rule
// parses what it reads and formats what it writes. Conversions are independent of
// the locale: the window may run where the decimal separator is a comma.
#pragma once

#include <string>
#include <string_view>

namespace game {

// Parses the whole text as a double. Throws RuleError for an empty text, trailing
// characters or a value that is not finite.
double parseNumber(std::string_view text);

// Formats a computed value: a whole number below 10^15 in magnitude as plain digits
// (with a leading minus when negative), anything larger in an exponent form that
// parses back to the same double. Throws RuleError for a value that is not finite.
std::string formatNumber(double value);

// Every character formatNumber and formatWhole write: digits, signs, the decimal point and the
// exponent's letter.
inline constexpr std::string_view kNumberCharacters = "0123456789+-.e";

// Formats a small integer constant as plain digits.
std::string formatWhole(long long value);

} // namespace game
