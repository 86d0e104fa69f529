// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/json_report.h"

#include "odds/win_table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace odds {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// {"fraction": ..., "decimal": ...} of a finite figure, {"unbounded": true} of an infinite one.
QJsonObject exactJson(const FigureRow& row) {
    if (!row.exact) {
        return {{"unbounded", true}};
    }
    return {{"fraction", text(row.fraction())}, {"decimal", text(row.decimal())}};
}

QJsonObject exactJson(const Figure& figure) {
    if (!figure) {
        return {{"unbounded", true}};
    }
    return {{"fraction", text(fraction(*figure))}, {"decimal", text(decimal(*figure, 9))}};
}

// A bound of an interval, null where it has none.
QJsonValue bound(double value) {
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

QJsonValue estimateJson(const FigureRow& row, const std::optional<Estimate>& e) {
    if (!e) {
        return {}; // nothing was collected
    }
    if (!row.hasInterval) {
        return QJsonObject{{"value", e->value}, {"interval", false}};
    }
    return QJsonObject{{"value", e->value},
                       {"low", bound(e->low)},
                       {"high", bound(e->high)},
                       {"inside", e->holds(row.approx())}};
}

QJsonObject strategyJson(const StrategyResult& r) {
    const std::vector<FigureRow> rows = figureRows(r.exact);
    QJsonObject exact;
    for (const FigureRow& row : rows) {
        exact.insert(row.key, exactJson(row));
    }
    QJsonObject out{{"name", text(name(r.strategy))},
                    {"description", text(describe(r.strategy))},
                    {"simulable", simulable(r.strategy)},
                    {"exact", exact}};
    for (const auto& [label, sim] :
         {std::pair{"fast_path", &r.fast}, std::pair{"game_rules", &r.rules}}) {
        if (*sim) {
            const SimulatedFigures f = estimate(**sim);
            QJsonObject s{{"rounds", static_cast<qint64>((*sim)->deals)},
                          {"charged_plays", static_cast<qint64>((*sim)->charges)}};
            for (const FigureRow& row : rows) {
                s.insert(row.key, estimateJson(row, row.simulated(f)));
            }
            out.insert(label, s);
        }
    }
    return out;
}

} // namespace

QByteArray renderJson(const Report& report) {
    const WinTable& table = winTable();
    const Tally wins = report.allFast();
    QJsonArray winTable;
    for (const WinChance& w : table.wins) {
        winTable.append(
            QJsonObject{{"win", w.value},
                        {"fraction", text(fraction(w.probability))},
                        {"decimal", text(decimal(w.probability, 9))},
                        {"simulated_count",
                         static_cast<qint64>(wins.winsPutUp[static_cast<std::size_t>(w.value)])}});
    }
    QJsonArray picks;
    for (const PickChances& c : pickChances()) {
        picks.append(QJsonObject{{"dealer", c.dealer},
                                 {"wins", QString::number(c.won) + "/13"},
                                 {"ties", QString::number(c.tied) + "/13"},
                                 {"loses", QString::number(c.lost) + "/13"},
                                 {"worth", exactJson(Figure{c.worth})}});
    }
    QJsonArray strategies;
    for (const StrategyResult& r : report.results) {
        strategies.append(strategyJson(r));
    }
    QJsonArray byCap;
    for (const CapPoint& p : freeRedealByCap()) {
        byCap.append(QJsonObject{{"collect_at", static_cast<qint64>(p.collectAt)},
                                 {"return_to_player", exactJson(p.returnToPlayer)}});
    }
    QJsonObject out{{"seed", static_cast<qint64>(report.seed)},
                    {"confidence", 0.999},
                    {"win_table", winTable},
                    {"mean_win", exactJson(Figure{table.mean})},
                    {"pick_chances", picks},
                    {"strategies", strategies},
                    {"free_redeal_by_cap", byCap},
                    {"best_replay_below", report.bestReplayBelow()},
                    {"simulated_figures", report.checked()},
                    {"outside_their_interval", report.outside()}};
    if (report.bestOf) {
        const Strategy best = bestPickTo(*report.bestOf);
        out.insert("best",
                   QJsonObject{{"of", text(name(*report.bestOf))},
                               {"name", text(name(best))},
                               {"return_to_player", exactJson(exactFigures(best).returnToPlayer)}});
    }
    return QJsonDocument(out).toJson(QJsonDocument::Indented);
}

} // namespace odds
