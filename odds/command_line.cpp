// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/command_line.h"

#include <QCommandLineParser>

#include <limits>
#include <stdexcept>

namespace odds {
namespace {

const char* kDescription =
    R"(The exact odds of Vantrello's double-up round for each way to play, checked by simulation.

A strategy (--strategy S) joins rules with ",", each at most once; at every deal that shows a
win they apply in this order:
  collect-at=N    (N = 1..2^40) collect as soon as the win is N or more
  replay-below=X  (X = 0..100) on a freshly put up win below X, press Play again: free, and it
                  puts up a new win
  redeal-to=R     (R = 2..14) in a chain (after a won or tied pick), press Play while the
                  dealer's rank code is above R: free, the win stays and five new cards come
  pick-to=R       (R = 2..14) pick a card against a dealer's rank code of R or less, collect
                  against a higher one (rank codes: 11 jack, 12 queen, 13 king, 14 ace)
  double=K        (K = 0..40) collect after K won picks; without pick-to it picks blind, and
                  double=0 (or "collect", alone) collects every win at once
e.g. --strategy pick-to=8,collect-at=64 or --strategy pick-to=13,redeal-to=2,collect-at=1024.
A figure with no finite value reads "unbounded" (JSON: {"unbounded": true}); redeal-to=2 with
pick-to and neither collect-at nor double never ends a chain and is refused.

Exit status: 0 when every simulated figure with an interval lies inside its 99.9 % confidence
interval, 1 when one does not, 2 for a bad command line.)";

std::uint64_t count(const QString& option, const QString& text, bool zeroAllowed,
                    std::uint64_t most) {
    bool ok = false;
    const std::uint64_t value = text.toULongLong(&ok);
    const bool digitsOnly = !text.isEmpty() && text.front().isDigit();
    if (!ok || !digitsOnly || value > most || (!zeroAllowed && value == 0)) {
        throw std::invalid_argument("--" + option.toStdString() + " needs a whole number from " +
                                    (zeroAllowed ? "0" : "1") + " to " + std::to_string(most) +
                                    ", not \"" + text.toStdString() + "\"");
    }
    return value;
}

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption strategy{"strategy",
                                "report S instead of the default strategies "
                                "(repeatable; see below)",
                                "S"};
    QCommandLineOption rounds{"rounds",
                              "rounds (deals) per strategy on the fast path (default "
                              "1000000)",
                              "N"};
    QCommandLineOption rulesRounds{"rules-rounds",
                                   "rounds per strategy through the game's own rules (default "
                                   "100000)",
                                   "N"};
    QCommandLineOption noRules{"no-rules", "leave out the simulation through the game's rules"};
    QCommandLineOption exact{"exact", "the exact figures only, no simulation"};
    QCommandLineOption best{"best", "report the family pick-to=2..13 on top of the strategy "
                                    "given (a cap collect-at=N, say) and name its best"};
    QCommandLineOption seed{"seed",
                            "the simulation's seed (default 1); the same seed gives the "
                            "same figures",
                            "N"};
    QCommandLineOption threads{"threads", "threads to simulate on (default: one per core)", "N"};
    QCommandLineOption json{"json", "print JSON instead of the table"};
    QCommandLineOption chart{"chart",
                             "draw the simulated wins and the returns to FILE (.svg or "
                             ".png)",
                             "FILE"};
    QCommandLineOption help;
    QCommandLineOption version;

    Parser() : help(parser.addHelpOption()), version(parser.addVersionOption()) {
        parser.setApplicationDescription(QString::fromUtf8(kDescription));
        parser.addOptions(
            {strategy, rounds, rulesRounds, noRules, exact, best, seed, threads, json, chart});
    }
};

} // namespace

Options parseCommandLine(const QStringList& arguments) {
    Parser p;
    if (!p.parser.parse(arguments)) {
        throw std::invalid_argument(p.parser.errorText().toStdString() + " (see --help)");
    }
    if (!p.parser.positionalArguments().isEmpty()) {
        throw std::invalid_argument("unexpected \"" +
                                    p.parser.positionalArguments().constFirst().toStdString() +
                                    "\" (see --help)");
    }
    Options o;
    o.help = p.parser.isSet(p.help);
    o.version = p.parser.isSet(p.version);
    if (p.parser.isSet(p.strategy)) {
        o.strategies.clear();
        for (const QString& s : p.parser.values(p.strategy)) {
            o.strategies.push_back(parseStrategy(s.toStdString()));
        }
    }
    constexpr std::uint64_t kMostRounds = 1'000'000'000'000ULL;
    if (p.parser.isSet(p.rounds)) {
        o.fastRounds = count("rounds", p.parser.value(p.rounds), false, kMostRounds);
    }
    if (p.parser.isSet(p.rulesRounds)) {
        o.rulesRounds = count("rules-rounds", p.parser.value(p.rulesRounds), false, kMostRounds);
    }
    if (p.parser.isSet(p.seed)) {
        o.seed =
            count("seed", p.parser.value(p.seed), true, std::numeric_limits<std::int64_t>::max());
    }
    if (p.parser.isSet(p.threads)) {
        o.threads = static_cast<unsigned>(count("threads", p.parser.value(p.threads), false, 1024));
    }
    if (p.parser.isSet(p.chart)) {
        const QString file = p.parser.value(p.chart);
        const bool named = file.size() > 4;
        if (!named ||
            (!file.endsWith(QStringLiteral(".svg")) && !file.endsWith(QStringLiteral(".png")))) {
            throw std::invalid_argument("--chart needs a file name ending in .svg or .png, not \"" +
                                        file.toStdString() + "\"");
        }
        o.chart = file.toStdString();
    }
    o.simulateFast = !p.parser.isSet(p.exact);
    o.simulateRules = o.simulateFast && !p.parser.isSet(p.noRules);
    o.json = p.parser.isSet(p.json);
    if (p.parser.isSet(p.best)) {
        if (o.strategies.size() > 1 && p.parser.isSet(p.strategy)) {
            throw std::invalid_argument("--best takes at most one --strategy, the rules the "
                                        "family shares");
        }
        const Strategy base = p.parser.isSet(p.strategy) ? o.strategies.front() : Strategy{};
        if (base.pickTo > 0) {
            throw std::invalid_argument("--best sets pick-to itself; give the other rules only");
        }
        o.strategies = pickToFamily(base);
        for (const Strategy& s : o.strategies) {
            if (neverEnds(s)) {
                throw std::invalid_argument("\"" + name(s) +
                                            "\" never ends a chain; add "
                                            "collect-at=N or double=K");
            }
        }
        o.bestOf = base;
    }
    if (!o.chart.empty() && !o.simulateFast) {
        throw std::invalid_argument("--chart draws the simulation, which --exact leaves out");
    }
    return o;
}

std::string usage() {
    Parser p;
    return p.parser.helpText().toStdString();
}

} // namespace odds
