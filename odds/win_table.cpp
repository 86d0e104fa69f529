// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/win_table.h"

namespace odds {
namespace {

// The chance that floor(r * span + 2) is 10, for uniform r: one value of span.
Rational hitsTen(int span) {
    return Rational(1, span);
}

WinTable build() {
    WinTable t;
    const Rational kept(1, 4); // floor(r * 4) == 3
    const Rational prize100 = hitsTen(49);
    const Rational prize50 = hitsTen(19);
    const Rational prize30 = hitsTen(9);
    const Rational one(1);
    // The last prize draw that hits decides; with none, the base draw stands.
    const Rational p100 = kept * prize100;
    const Rational p50 = kept * (one - prize100) * prize50;
    const Rational p30 = kept * (one - prize100) * (one - prize50) * prize30;
    const Rational noPrize = kept * (one - prize100) * (one - prize50) * (one - prize30);
    t.wins.push_back({0, one - kept});
    for (int base = 2; base <= 20; ++base) {
        t.wins.push_back({base, noPrize * Rational(1, 19)});
    }
    t.wins.push_back({30, p30});
    t.wins.push_back({50, p50});
    t.wins.push_back({100, p100});
    for (const WinChance& w : t.wins) {
        t.mean += w.probability * w.value;
    }

    int won = 0;
    int tied = 0;
    for (int dealer = 2; dealer <= 14; ++dealer) {
        for (int picked = 2; picked <= 14; ++picked) {
            won += picked > dealer ? 1 : 0;
            tied += picked == dealer ? 1 : 0;
        }
    }
    t.showdownWon = Rational(won, 169);
    t.showdownTied = Rational(tied, 169);
    t.showdownLost = one - t.showdownWon - t.showdownTied;
    return t;
}

} // namespace

Rational WinTable::probabilityOf(int value) const {
    for (const WinChance& w : wins) {
        if (w.value == value) {
            return w.probability;
        }
    }
    return Rational(0);
}

const WinTable& winTable() {
    static const WinTable table = build();
    return table;
}

} // namespace odds
