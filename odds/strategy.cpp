// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/strategy.h"

#include "odds/win_table.h"

#include <charconv>
#include <stdexcept>

namespace odds {
namespace {

int parseCount(std::string_view clause, std::string_view digits, int most) {
    int value = 0;
    const char* first = digits.data();
    const char* last = first + digits.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (digits.empty() || ec != std::errc() || end != last || value < 0 || value > most ||
        digits.front() == '-' || digits.front() == '+') {
        throw std::invalid_argument("\"" + std::string(clause) +
                                    "\" needs a whole number from 0 to " + std::to_string(most));
    }
    return value;
}

} // namespace

std::string name(const Strategy& s) {
    std::string out;
    if (s.replayBelow > 2) {
        out = "replay-below=" + std::to_string(s.replayBelow);
    }
    if (s.doubles > 0) {
        if (!out.empty()) {
            out += ',';
        }
        out += "double=";
        out += std::to_string(s.doubles);
    }
    return out.empty() ? "collect" : out;
}

std::string describe(const Strategy& s) {
    std::string out;
    if (s.replayBelow > 2) {
        out = "press Play again on a win below " + std::to_string(s.replayBelow) + ", then ";
    }
    if (s.doubles > 0) {
        out += "double ";
        out += std::to_string(s.doubles);
        out += s.doubles == 1 ? " time, then collect" : " times, then collect";
    } else {
        out += "collect";
    }
    if (s.replayBelow <= 2 && s.doubles == 0) {
        out += " every win at once";
    }
    return out;
}

Strategy parseStrategy(std::string_view text) {
    if (text.empty()) {
        throw std::invalid_argument("an empty strategy");
    }
    Strategy s;
    bool sawCollect = false;
    bool sawDouble = false;
    bool sawReplay = false;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view clause = text.substr(0, comma);
        const std::size_t equals = clause.find('=');
        const std::string_view key = clause.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : clause.substr(equals + 1);
        if (clause == "collect") {
            sawCollect = true;
        } else if (key == "double" && equals != std::string_view::npos && !sawDouble) {
            s.doubles = parseCount(clause, value, kMaxDoubles);
            sawDouble = true;
        } else if (key == "replay-below" && equals != std::string_view::npos && !sawReplay) {
            s.replayBelow = parseCount(clause, value, kMaxReplayBelow);
            sawReplay = true;
        } else {
            throw std::invalid_argument("unknown strategy \"" + std::string(clause) +
                                        "\" (use collect, double=K, replay-below=X)");
        }
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    if (sawCollect && (sawDouble || sawReplay)) {
        throw std::invalid_argument("\"collect\" stands alone");
    }
    return s;
}

std::vector<Strategy> defaultStrategies() {
    std::vector<Strategy> out{Strategy{}};
    for (int k = 1; k <= 10; ++k) {
        out.push_back(Strategy{0, k});
    }
    const WinTable& table = winTable();
    // A threshold X splits the wins into those replaced and those kept; the splits differ only
    // at the table's own values, and below 3 nothing is replaced.
    for (const WinChance& w : table.wins) {
        if (w.value > 2) {
            out.push_back(Strategy{w.value, 0});
        }
    }
    return out;
}

} // namespace odds
