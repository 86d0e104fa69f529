// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/report.h"

#include "odds/win_table.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>

namespace odds {
namespace {

constexpr int kPlaces = 6;

std::string fixed(double value, int places) {
    if (std::isinf(value)) {
        return "no bound";
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

const char* kMeaning = R"(What the figures mean
  return to player           credits collected for every credit charged, in the long run;
                             above 1 the player comes out ahead (this is the test mode, which
                             stakes play credits only)
  plays per collected win    presses of "Play", charged or free, for each win collected
  charges per collected win  plays made while the win reads 0, at 3 credits each, per collect
  spread per charged play    the standard deviation of what one charged play brings in, in
                             credits, counting everything up to the next charge; exact as the
                             square root of the exact variance
"unbounded" marks a figure with no finite value: a sum over ever longer chains that grows
without bound. "never collects" marks a strategy that collects nothing.
The dealer's card is face up before the player chooses, so a pick's chances depend on it (the
table above). Picking blind wins 6/13, loses 6/13 and ties 1/13 on average: a fair bet, which
leaves the return alone and only widens the spread. Picking only against low cards pays, and
a press of "Play" during a chain deals again for free (the win and the credit stay), so a
player can wait for a low card before every pick: with that free re-deal the return grows
without bound as the cap on the win grows.
The simulations play each strategy with the game's own generator, the clock moved on by the
player's pace and the game's pauses: once through the game's own rules, reading the win and
the dealer's card off the table, once on the fast path, which draws the same numbers in the
same order on plain numbers. Beside each figure: the simulated value and its 99.9 %
confidence interval. Each figure falls outside its interval one time in a thousand by chance
alone, so among a hundred or so figures one outside now and then is expected. A figure whose
estimate has an infinite spread of its own gets no interval and counts for nothing in the exit
status: its simulated value is shown alone.
)";

// Whether the strategy is the free re-deal with a cap, whose return the cap alone bounds.
bool cappedFreeRedeal(const Strategy& s) {
    return s.redealTo > 0 && s.collectAt > 0 && s.pickTo >= s.redealTo;
}

void strategyBlock(std::ostringstream& out, const StrategyResult& r) {
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
    const std::vector<FigureRow> all = figureRows(r.exact);
    for (const FigureRow& row : all) {
        out << "  " << padded(row.label, 27) << padded(row.decimal(), 24);
        for (const std::optional<SimulatedFigures>* sim : {&fast, &rules}) {
            if (*sim) {
                const std::optional<Estimate> e = row.simulated(**sim);
                std::string text = "nothing collected";
                if (e) {
                    text = estimateText(*e, row.hasInterval);
                    text += row.hasInterval && !e->holds(row.approx()) ? " OUTSIDE" : "";
                }
                out << padded(text, 34);
            }
        }
        out << "\n";
    }
    out << "  exact fractions:";
    const char* names[] = {" return ", ", plays ", ", charges ", ", variance "};
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string f = all[i].exact ? fraction(*all[i].exact) : all[i].decimal();
        out << names[i] << f;
    }
    out << "\n";
    if (!simulable(r.strategy)) {
        out << "  not simulated: a free re-deal with no cap lets a chain's win grow past what "
               "the table shows\n";
    }
    if (cappedFreeRedeal(r.strategy)) {
        out << "  the cap alone bounds this return: it grows without bound as collect-at grows\n";
    }
    out << "\n";
}

} // namespace

std::string FigureRow::fraction() const {
    if (!exact) {
        return {};
    }
    return root ? "sqrt(" + odds::fraction(*exact) + ")" : odds::fraction(*exact);
}

std::string FigureRow::decimal() const {
    if (!exact) {
        return root || std::string_view(key) == "return_to_player" ? "unbounded" : "never collects";
    }
    return root ? sqrtDecimal(*exact, kPlaces) : odds::decimal(*exact, kPlaces);
}

double FigureRow::approx() const {
    if (!exact) {
        return std::numeric_limits<double>::infinity();
    }
    return root ? std::sqrt(odds::approx(*exact)) : odds::approx(*exact);
}

std::vector<FigureRow> figureRows(const ExactFigures& e) {
    const bool varianceFinite = e.variancePerCharge.has_value();
    return {
        {"return to player", "return_to_player", e.returnToPlayer, false, varianceFinite,
         [](const SimulatedFigures& f) { return std::optional<Estimate>(f.returnToPlayer); }},
        {"plays per collected win", "plays_per_collect", e.playsPerCollect, false,
         e.playsPerCollect.has_value(),
         [](const SimulatedFigures& f) { return f.playsPerCollect; }},
        {"charges per collected win", "charges_per_collect", e.chargesPerCollect, false,
         e.chargesPerCollect.has_value(),
         [](const SimulatedFigures& f) { return f.chargesPerCollect; }},
        {"spread per charged play", "spread_per_charge", e.variancePerCharge, true,
         varianceFinite && e.spreadHasInterval,
         [](const SimulatedFigures& f) { return std::optional<Estimate>(f.spreadPerCharge); }},
    };
}

std::vector<CapPoint> freeRedealByCap() {
    std::vector<CapPoint> out;
    for (std::int64_t cap = 16; cap <= (std::int64_t{1} << 20); cap *= 4) {
        const Strategy s{.pickTo = kHighestRank - 1, .redealTo = kLowestRank, .collectAt = cap};
        out.push_back({cap, exactFigures(s).returnToPlayer});
    }
    return out;
}

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
                for (const FigureRow& row : figureRows(r.exact)) {
                    const std::optional<Estimate> e = row.simulated(f);
                    n += row.hasInterval && (!e || !e->holds(row.approx())) ? 1 : 0;
                }
            }
        }
    }
    return n;
}

int Report::checked() const {
    int n = 0;
    for (const StrategyResult& r : results) {
        for (const FigureRow& row : figureRows(r.exact)) {
            n += row.hasInterval ? (r.fast ? 1 : 0) + (r.rules ? 1 : 0) : 0;
        }
    }
    return n;
}

int Report::bestReplayBelow() const {
    int best = 0;
    Rational bestReturn(-1);
    for (const StrategyResult& r : results) {
        const Strategy& s = r.strategy;
        if (s.replayBelow > 2 && s == Strategy{.replayBelow = s.replayBelow} &&
            *r.exact.returnToPlayer > bestReturn) {
            best = s.replayBelow;
            bestReturn = *r.exact.returnToPlayer;
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

std::string estimateText(const Estimate& e, bool withInterval) {
    if (!withInterval) {
        return fixed(e.value, 4) + " (no interval)";
    }
    return fixed(e.value, 4) + " [" + fixed(e.low, 4) + ", " + fixed(e.high, 4) + "]";
}

std::string renderText(const Report& report) {
    std::ostringstream out;
    const WinTable& table = winTable();
    out << "Vantrello odds: the double-up round, exact and simulated\n\n";
    out << "The simulated win a charged play puts up (exact mean " << fraction(table.mean) << " = "
        << decimal(table.mean, 4) << " credits per play)\n";
    const Tally wins = report.allFast();
    std::uint64_t total = 0;
    for (std::uint64_t n : wins.winsPutUp) {
        total += n;
    }
    out << "  win   chance               " << (total > 0 ? "simulated share [99.9 % interval]" : "")
        << "\n";
    for (const WinChance& w : table.wins) {
        out << "  " << padded(std::to_string(w.value), 6) << padded(fraction(w.probability), 11)
            << padded(decimal(w.probability, kPlaces), 10);
        if (total > 0) {
            const double n = static_cast<double>(total);
            const double p =
                static_cast<double>(wins.winsPutUp[static_cast<std::size_t>(w.value)]) / n;
            const double half = kZ999 * std::sqrt(p * (1 - p) / n);
            out << fixed(p, 6) << " [" << fixed(p - half, 6) << ", " << fixed(p + half, 6) << "]";
        }
        out << "\n";
    }

    out << "\nA pick against each dealer's card (the card picked is higher, equal or lower), and\n"
           "what it is worth per credit of the win if the next deal is collected\n"
           "  dealer  wins   ties   loses  worth\n";
    for (const PickChances& c : pickChances()) {
        out << "  " << padded(std::to_string(c.dealer), 8)
            << padded(std::to_string(c.won) + "/13", 7) << padded(std::to_string(c.tied) + "/13", 7)
            << padded(std::to_string(c.lost) + "/13", 7) << fraction(c.worth) << " = "
            << decimal(c.worth, 4) << "\n";
    }
    out << "(rank codes: 11 jack, 12 queen, 13 king, 14 ace)\n\n" << kMeaning << "\n";

    bool redeal = false;
    for (const StrategyResult& r : report.results) {
        strategyBlock(out, r);
        redeal = redeal || r.strategy.redealTo > 0;
    }

    if (redeal) {
        out << "The free re-deal to a 2, picking against 2 to king, by its cap (collect-at=N):\n";
        for (const CapPoint& p : freeRedealByCap()) {
            out << "  " << padded("collect-at=" + std::to_string(p.collectAt), 20)
                << "return to player " << decimal(*p.returnToPlayer, kPlaces) << "\n";
        }
        out << "and so on without bound: each cap is a finite figure, the free re-deal has "
               "none.\n\n";
    }
    if (const int best = report.bestReplayBelow(); best > 0) {
        out << "Among the strategies that only replay, the best threshold for pressing Play again: "
               "replace a win below "
            << best << ", collect " << best << " or more.\n";
    }
    if (report.bestOf) {
        const Strategy best = bestPickTo(*report.bestOf);
        const Figure r = exactFigures(best).returnToPlayer;
        out << "Best of pick-to=2..13 on top of \"" << name(*report.bestOf) << "\": " << name(best)
            << ", return to player "
            << (r ? fraction(*r) + " = " + decimal(*r, kPlaces) : std::string("unbounded"))
            << ".\n";
    }
    if (report.checked() > 0) {
        const int outside = report.outside();
        if (outside == 0) {
            out << "All " << report.checked()
                << " simulated figures with an interval lie inside it (99.9 %, seed " << report.seed
                << ").\n";
        } else {
            out << outside << " of " << report.checked()
                << " simulated figures with an interval lie OUTSIDE it (99.9 %, seed "
                << report.seed << ").\n";
        }
    }
    return trimmed(out.str());
}

} // namespace odds
