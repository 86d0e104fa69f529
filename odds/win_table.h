// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact odds of one deal: the simulated win a play puts up and the three outcomes of a
// showdown, worked out from the draws the rules make.
#pragma once

#include "odds/rational.h"

#include <vector>

namespace odds {

struct WinChance {
    int value;
    Rational probability;
};

struct WinTable {
    // Every win a play can put up, 0 first, then ascending: 0, 2 to 20, 30, 50, 100.
    std::vector<WinChance> wins;
    Rational mean;
    // A showdown between two cards of independent uniform ranks 2 to 14.
    Rational showdownWon;
    Rational showdownTied;
    Rational showdownLost;

    // The probability of the given win, 0 for a value the table does not hold.
    Rational probabilityOf(int value) const;
};

// The table, worked out once: the base draw floor(r*19+2), the three prize draws that hit at
// 10 (floor(r*9+2) gives 30, floor(r*19+2) gives 50, floor(r*49+2) gives 100, a later one
// overriding an earlier one) and the keep draw floor(r*4), which keeps the win only at 3.
const WinTable& winTable();

} // namespace odds
