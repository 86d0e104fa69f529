// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/number_text.h"

#include "game/rule_error.h"

#include <charconv>
#include <cmath>

namespace game {

double parseNumber(std::string_view text) {
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (text.empty() || ec != std::errc() || end != last || !std::isfinite(value)) {
        throw RuleError("not a number: \"" + std::string(text) + "\"");
    }
    return value;
}

std::string formatNumber(double value) {
    if (!std::isfinite(value)) {
        throw RuleError("arithmetic overflow");
    }
    if (value == 0) {
        return "0"; // also for -0
    }
    char buffer[32];
    std::to_chars_result result;
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
    } else if (std::fabs(value) >= 1e15) {
        result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    } else {
        // Fractions never arise in play; keep them exact rather than rounded.
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general);
    }
    return std::string(buffer, result.ptr);
}

std::string formatWhole(long long value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace game
