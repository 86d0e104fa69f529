// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/report.h"

#include "odds/win_table.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace odds {
namespace {

constexpr int kPlaces = 6;

std::string fixed(double value, int places) {
    if (std::isinf(value)) {
        return "inf";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
    return buffer;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

struct Row {
    const char* label;
    const char* key;
    std::string fraction; // the exact figure as a fraction (the variance for the spread)
    std::string decimal;
    Estimate (*pick)(const SimulatedFigures&);
    double exact;
};

std::vector<Row> rows(const ExactFigures& e) {
    return {
        {"return to player", "return_to_player", e.returnToPlayer.fraction(),
         e.returnToPlayer.decimal(kPlaces),
         [](const SimulatedFigures& f) { return f.returnToPlayer; }, e.returnToPlayer.approx()},
        {"plays per collected win", "plays_per_collect", e.playsPerCollect.fraction(),
         e.playsPerCollect.decimal(kPlaces),
         [](const SimulatedFigures& f) { return f.playsPerCollect; }, e.playsPerCollect.approx()},
        {"charges per collected win", "charges_per_collect", e.chargesPerCollect.fraction(),
         e.chargesPerCollect.decimal(kPlaces),
         [](const SimulatedFigures& f) { return f.chargesPerCollect; },
         e.chargesPerCollect.approx()},
        {"spread per charged play", "spread_per_charge",
         "sqrt(" + e.variancePerCharge.fraction() + ")", e.variancePerCharge.sqrtDecimal(kPlaces),
         [](const SimulatedFigures& f) { return f.spreadPerCharge; },
         std::sqrt(e.variancePerCharge.approx())},
    };
}

// Ends every line of the text without trailing blanks.
std::string trimmed(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::size_t last = end;
        while (last > start && text[last - 1] == ' ') {
            --last;
        }
        out.append(text, start, last - start);
        if (end < text.size()) {
            out.push_back('\n');
        }
        start = end + 1;
    }
    return out;
}

std::string interval(const Estimate& e) {
    return fixed(e.value, 4) + " [" + fixed(e.low, 4) + ", " + fixed(e.high, 4) + "]";
}

const char* kMeaning = R"(What the figures mean
  return to player           credits collected for every credit charged, in the long run;
                             above 1 the player comes out ahead (this is the test mode, which
                             stakes play credits only)
  plays per collected win    presses of "Play", charged or free, for each win collected
  charges per collected win  plays made while the win reads 0, at 3 credits each, per collect
  spread per charged play    the standard deviation of what one charged play brings in, in
                             credits, counting everything up to the next charge; exact as the
                             square root of the exact variance
A showdown wins 6/13, loses 6/13 and re-deals on a tie (1/13), so doubling is a fair bet: it
never changes the return, only widens the spread and makes collects rarer and bigger. Pressing
"Play" on a standing win is free and replaces it by a fresh simulated win, which is 0 three
times in four; that pays only for wins below what a fresh stretch is worth.
The simulations play each strategy with the game's own generator, the clock moved on by the
player's pace and the game's pauses: once through the game's own rules, once on the fast path,
which draws the same numbers in the same order on plain numbers. Beside each figure: the
simulated value and its 99.9 % confidence interval. Each figure falls outside its interval
one time in a thousand by chance alone, so among a hundred or so figures one outside now and
then is expected; the default seed gives a run with all of them inside.
)";

} // namespace

Tally Report::allFast() const {
    Tally t;
    for (const StrategyResult& r : results) {
        if (r.fast) {
            t += *r.fast;
        }
    }
    return t;
}

int Report::outside() const {
    int n = 0;
    for (const StrategyResult& r : results) {
        for (const std::optional<Tally>* sim : {&r.fast, &r.rules}) {
            if (*sim) {
                const SimulatedFigures f = estimate(**sim);
                for (const Row& row : rows(r.exact)) {
                    n += row.pick(f).holds(row.exact) ? 0 : 1;
                }
            }
        }
    }
    return n;
}

int Report::checked() const {
    int n = 0;
    for (const StrategyResult& r : results) {
        n += (r.fast ? 4 : 0) + (r.rules ? 4 : 0);
    }
    return n;
}

int Report::bestReplayBelow() const {
    int best = 0;
    Rational bestReturn(-1);
    for (const StrategyResult& r : results) {
        if (r.strategy.doubles == 0 && r.strategy.replayBelow > 2 &&
            r.exact.returnToPlayer > bestReturn) {
            best = r.strategy.replayBelow;
            bestReturn = r.exact.returnToPlayer;
        }
    }
    return best;
}

std::string grouped(std::uint64_t value) {
    std::string digits = std::to_string(value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out.push_back(',');
        }
        out.push_back(digits[i]);
    }
    return out;
}

std::string renderText(const Report& report) {
    std::ostringstream out;
    const WinTable& table = winTable();
    out << "Vantrello odds: the double-up round, exact and simulated\n\n";
    out << "The simulated win a charged play puts up (exact mean " << table.mean.fraction() << " = "
        << table.mean.decimal(4) << " credits per play)\n";
    const Tally wins = report.allFast();
    std::uint64_t total = 0;
    for (std::uint64_t n : wins.winsPutUp) {
        total += n;
    }
    out << "  win   chance               " << (total > 0 ? "simulated share [99.9 % interval]" : "")
        << "\n";
    for (const WinChance& w : table.wins) {
        out << "  " << padded(std::to_string(w.value), 6) << padded(w.probability.fraction(), 11)
            << padded(w.probability.decimal(kPlaces), 10);
        if (total > 0) {
            const double n = static_cast<double>(total);
            const double p =
                static_cast<double>(wins.winsPutUp[static_cast<std::size_t>(w.value)]) / n;
            const double half = kZ999 * std::sqrt(p * (1 - p) / n);
            out << fixed(p, 6) << " [" << fixed(p - half, 6) << ", " << fixed(p + half, 6) << "]";
        }
        out << "\n";
    }
    out << "\n" << kMeaning << "\n";

    for (const StrategyResult& r : report.results) {
        out << describe(r.strategy) << "  (--strategy " << name(r.strategy) << ")\n";
        std::optional<SimulatedFigures> fast;
        std::optional<SimulatedFigures> rules;
        if (r.fast) {
            fast = estimate(*r.fast);
        }
        if (r.rules) {
            rules = estimate(*r.rules);
        }
        out << "  " << padded("", 27) << padded("exact", 24);
        if (fast) {
            out << padded("fast path, " + grouped(r.fast->deals) + " rounds", 34);
        }
        if (rules) {
            out << "game rules, " << grouped(r.rules->deals) << " rounds";
        }
        out << "\n";
        for (const Row& row : rows(r.exact)) {
            out << "  " << padded(row.label, 27) << padded(row.decimal, 24);
            for (const std::optional<SimulatedFigures>* sim : {&fast, &rules}) {
                if (*sim) {
                    const Estimate e = row.pick(**sim);
                    out << padded(interval(e) + (e.holds(row.exact) ? "" : " OUTSIDE"), 34);
                }
            }
            out << "\n";
        }
        out << "  exact fractions: return " << r.exact.returnToPlayer.fraction() << ", plays "
            << r.exact.playsPerCollect.fraction() << ", charges "
            << r.exact.chargesPerCollect.fraction() << ", variance "
            << r.exact.variancePerCharge.fraction() << "\n\n";
    }

    if (const int best = report.bestReplayBelow(); best > 0) {
        out << "Best threshold for pressing Play again: replace a win below " << best
            << ", collect " << best << " or more.\n";
    }
    if (report.checked() > 0) {
        const int outside = report.outside();
        if (outside == 0) {
            out << "All " << report.checked()
                << " simulated figures lie inside their 99.9 % intervals (seed " << report.seed
                << ").\n";
        } else {
            out << outside << " of " << report.checked()
                << " simulated figures lie OUTSIDE their 99.9 % intervals (seed " << report.seed
                << ").\n";
        }
    }
    return trimmed(out.str());
}

std::string renderJson(const Report& report) {
    std::ostringstream out;
    const auto estimateJson = [](const Estimate& e, double exact) {
        return "{\"value\": " + fixed(e.value, 9) + ", \"low\": " + fixed(e.low, 9) +
               ", \"high\": " + fixed(e.high, 9) +
               ", \"inside\": " + (e.holds(exact) ? "true" : "false") + "}";
    };
    out << "{\n  \"seed\": " << report.seed << ",\n  \"confidence\": 0.999,\n";
    out << "  \"win_table\": [";
    const WinTable& table = winTable();
    const Tally wins = report.allFast();
    for (std::size_t i = 0; i < table.wins.size(); ++i) {
        const WinChance& w = table.wins[i];
        out << (i ? ",\n    " : "\n    ") << "{\"win\": " << w.value << ", \"fraction\": \""
            << w.probability.fraction() << "\", \"decimal\": \"" << w.probability.decimal(9)
            << "\", \"simulated_count\": " << wins.winsPutUp[static_cast<std::size_t>(w.value)]
            << "}";
    }
    out << "\n  ],\n  \"mean_win\": {\"fraction\": \"" << table.mean.fraction()
        << "\", \"decimal\": \"" << table.mean.decimal(9) << "\"},\n";
    out << "  \"strategies\": [";
    for (std::size_t i = 0; i < report.results.size(); ++i) {
        const StrategyResult& r = report.results[i];
        out << (i ? ",\n    " : "\n    ") << "{\"name\": \"" << name(r.strategy)
            << "\", \"description\": \"" << describe(r.strategy) << "\",\n     \"exact\": {";
        const std::vector<Row> all = rows(r.exact);
        for (std::size_t j = 0; j < all.size(); ++j) {
            out << (j ? ", " : "") << "\"" << all[j].key << "\": {\"fraction\": \""
                << all[j].fraction << "\", \"decimal\": \"" << all[j].decimal << "\"}";
        }
        out << "}";
        for (const auto& [label, sim] :
             {std::pair{"fast_path", &r.fast}, std::pair{"game_rules", &r.rules}}) {
            if (*sim) {
                const SimulatedFigures f = estimate(**sim);
                out << ",\n     \"" << label << "\": {\"rounds\": " << (*sim)->deals
                    << ", \"charged_plays\": " << (*sim)->charges;
                for (const Row& row : all) {
                    out << ", \"" << row.key << "\": " << estimateJson(row.pick(f), row.exact);
                }
                out << "}";
            }
        }
        out << "}";
    }
    out << "\n  ],\n  \"best_replay_below\": " << report.bestReplayBelow()
        << ",\n  \"simulated_figures\": " << report.checked()
        << ",\n  \"outside_their_interval\": " << report.outside() << "\n}\n";
    return out.str();
}

} // namespace odds
