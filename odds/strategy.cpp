// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/strategy.h"

#include "odds/win_table.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace odds {
namespace {

std::int64_t parseCount(std::string_view clause, std::string_view digits, std::int64_t least,
                        std::int64_t most) {
    std::int64_t value = 0;
    const char* first = digits.data();
    const char* last = first + digits.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (digits.empty() || ec != std::errc() || end != last || value < least || value > most ||
        digits.front() == '-' || digits.front() == '+') {
        throw std::invalid_argument("\"" + std::string(clause) + "\" needs a whole number from " +
                                    std::to_string(least) + " to " + std::to_string(most));
    }
    return value;
}

// "2" to "10", "jack", "queen", "king", "ace".
std::string rankName(int rank) {
    static const char* const kFaces[] = {"jack", "queen", "king", "ace"};
    return rank <= 10 ? std::to_string(rank) : kFaces[rank - 11];
}

// "a 2", "2 or 3", "2 to 8", "9 to ace", "an ace".
std::string ranks(int low, int high) {
    if (low == high) {
        return std::string(low == 8 || low == 14 ? "an " : "a ").append(rankName(low));
    }
    return rankName(low) + (high == low + 1 ? " or " : " to ") + rankName(high);
}

std::string times(int n) {
    return std::to_string(n) + (n == 1 ? " time" : " times");
}

} // namespace

Move decide(const Strategy& s, std::int64_t win, bool chain, int dealer, int wonPicks) {
    if (s.collectAt > 0 && win >= s.collectAt) {
        return Move::Collect;
    }
    if (!chain && win < s.replayBelow) {
        return Move::Play;
    }
    if (chain && s.redealTo > 0 && dealer > s.redealTo) {
        return Move::Play;
    }
    const bool underLimit =
        s.pickTo > 0 ? s.doubles == 0 || wonPicks < s.doubles : wonPicks < s.doubles;
    const bool againstThis = s.pickTo == 0 || dealer <= s.pickTo;
    return underLimit && againstThis ? Move::Pick : Move::Collect;
}

bool neverEnds(const Strategy& s) {
    return s.redealTo == kLowestRank && s.pickTo > 0 && s.doubles == 0 && s.collectAt == 0;
}

bool simulable(const Strategy& s) {
    return s.redealTo == 0 || s.pickTo == 0 || s.doubles > 0 || s.collectAt > 0;
}

std::string name(const Strategy& s) {
    std::string out;
    const auto add = [&out](const char* key, std::int64_t value) {
        if (!out.empty()) {
            out += ',';
        }
        out.append(key).append("=").append(std::to_string(value));
    };
    if (s.replayBelow > 2) {
        add("replay-below", s.replayBelow);
    }
    if (s.pickTo > 0) {
        add("pick-to", s.pickTo);
    }
    if (s.redealTo > 0) {
        add("redeal-to", s.redealTo);
    }
    if (s.doubles > 0) {
        add("double", s.doubles);
    }
    if (s.collectAt > 0) {
        add("collect-at", s.collectAt);
    }
    return out.empty() ? "collect" : out;
}

std::string describe(const Strategy& s) {
    std::string out;
    if (s.replayBelow > 2) {
        out = "press Play again on a win below " + std::to_string(s.replayBelow) + ", then ";
    }
    if (s.redealTo > 0 && s.redealTo < kHighestRank) {
        out += "in a chain deal again for free until the dealer shows " +
               ranks(kLowestRank, s.redealTo) + ", then ";
    }
    if (s.pickTo > 0) {
        out += s.pickTo == kHighestRank
                   ? "pick against any card"
                   : "pick against a dealer's " + ranks(kLowestRank, s.pickTo) +
                         ", collect against " + ranks(s.pickTo + 1, kHighestRank);
        if (s.doubles > 0) {
            out += " or after " + std::to_string(s.doubles) + " won picks";
        }
    } else if (s.doubles > 0) {
        out += "double " + times(s.doubles) + ", then collect";
    } else {
        out += "collect";
        if (s.replayBelow <= 2 && s.collectAt == 0) {
            out += " every win at once";
        }
    }
    if (s.collectAt > 0) {
        out += "; collect any win of " + std::to_string(s.collectAt) + " or more";
    }
    return out;
}

Strategy parseStrategy(std::string_view text) {
    if (text.empty()) {
        throw std::invalid_argument("an empty strategy");
    }
    Strategy s;
    bool sawCollect = false;
    std::vector<std::string_view> seen;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view clause = text.substr(0, comma);
        const std::size_t equals = clause.find('=');
        const std::string_view key = clause.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : clause.substr(equals + 1);
        const bool once = std::find(seen.begin(), seen.end(), key) == seen.end();
        const bool valued = equals != std::string_view::npos && once;
        seen.push_back(key);
        if (clause == "collect") {
            sawCollect = true;
        } else if (key == "double" && valued) {
            s.doubles = static_cast<int>(parseCount(clause, value, 0, kMaxDoubles));
        } else if (key == "replay-below" && valued) {
            s.replayBelow = static_cast<int>(parseCount(clause, value, 0, kMaxReplayBelow));
        } else if (key == "pick-to" && valued) {
            s.pickTo = static_cast<int>(parseCount(clause, value, kLowestRank, kHighestRank));
        } else if (key == "redeal-to" && valued) {
            s.redealTo = static_cast<int>(parseCount(clause, value, kLowestRank, kHighestRank));
        } else if (key == "collect-at" && valued) {
            s.collectAt = parseCount(clause, value, 1, kMaxCollectAt);
        } else {
            throw std::invalid_argument("unknown strategy \"" + std::string(clause) +
                                        "\" (use collect, double=K, replay-below=X, pick-to=R, "
                                        "redeal-to=R, collect-at=N, each once)");
        }
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    if (sawCollect && seen.size() > 1) {
        throw std::invalid_argument("\"collect\" stands alone");
    }
    if (s.pickTo > 0 && std::find(seen.begin(), seen.end(), "double") != seen.end() &&
        s.doubles == 0) {
        throw std::invalid_argument("double=0 with pick-to would never pick; leave double out "
                                    "for no limit");
    }
    if (neverEnds(s)) {
        throw std::invalid_argument("\"" + name(s) +
                                    "\" never ends a chain (a pick against a 2 cannot lose), so "
                                    "it never collects; add collect-at=N or double=K");
    }
    return s;
}

std::vector<Strategy> pickToFamily(const Strategy& base) {
    std::vector<Strategy> out;
    for (int r = kLowestRank; r < kHighestRank; ++r) {
        Strategy s = base;
        s.pickTo = r;
        out.push_back(s);
    }
    return out;
}

std::vector<Strategy> defaultStrategies() {
    std::vector<Strategy> out{Strategy{}};
    for (int k = 1; k <= 10; ++k) {
        out.push_back(Strategy{.doubles = k});
    }
    const WinTable& table = winTable();
    // A threshold X splits the wins into those replaced and those kept; the splits differ only
    // at the table's own values, and below 3 nothing is replaced.
    for (const WinChance& w : table.wins) {
        if (w.value > 2) {
            out.push_back(Strategy{.replayBelow = w.value});
        }
    }
    for (const Strategy& s : pickToFamily({})) {
        out.push_back(s);
    }
    out.push_back(Strategy{.pickTo = 8, .collectAt = 64});
    out.push_back(Strategy{.pickTo = 13, .collectAt = 1024});
    for (std::int64_t cap = 16; cap <= 4096; cap *= 4) {
        out.push_back(Strategy{.pickTo = 13, .redealTo = kLowestRank, .collectAt = cap});
    }
    return out;
}

} // namespace odds
