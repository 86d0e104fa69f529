// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/win_table.h"

#include <map>

namespace odds {
namespace {

// The chance that floor(r * span + base) comes out at value, for uniform r.
Rational chanceOf(game::Draw draw, int value) {
    return value >= draw.base && value < draw.base + draw.span ? ratio(1, draw.span) : Rational(0);
}

} // namespace

WinTable winTableOf(const game::WinDraws& draws) {
    const Rational one(1);
    const Rational kept = chanceOf(draws.keep, draws.keepAt);
    std::map<int, Rational> chances{{0, one - kept}};
    // From the last prize draw back: the last one that hits decides; with none, the base draw
    // stands.
    Rational noLaterHit = kept;
    for (auto p = draws.prizes.rbegin(); p != draws.prizes.rend(); ++p) {
        const Rational hit = chanceOf(p->draw, p->hit);
        chances[p->prize] += noLaterHit * hit;
        noLaterHit *= one - hit;
    }
    for (int value = draws.base.base; value < draws.base.base + draws.base.span; ++value) {
        chances[value] += noLaterHit * chanceOf(draws.base, value);
    }
    WinTable t;
    for (const auto& [value, probability] : chances) {
        if (probability != Rational(0)) {
            t.wins.push_back({value, probability});
            t.mean += probability * value;
        }
    }

    return t;
}

Rational WinTable::probabilityOf(int value) const {
    for (const WinChance& w : wins) {
        if (w.value == value) {
            return w.probability;
        }
    }
    return Rational(0);
}

const WinTable& winTable() {
    static const WinTable table = winTableOf(game::kWinDraws);
    return table;
}

} // namespace odds
