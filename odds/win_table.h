// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact odds of the simulated win a play puts up, worked out from the draws the rules make;
// a pick's odds against each dealer's card are in exact.h.
#pragma once

#include "game/simulated_win.h"
#include "odds/rational.h"

#include <vector>

namespace odds {

struct WinChance {
    int value;
    Rational probability;
};

struct WinTable {
    // Every win a play can put up, ascending from 0; none with chance 0.
    std::vector<WinChance> wins;
    Rational mean;

    // The probability of the given win, 0 for a value the table does not hold.
    Rational probabilityOf(int value) const;
};

// The table worked out from the draws of a simulated win.
WinTable winTableOf(const game::WinDraws& draws);
// The game's own table, worked out once.
const WinTable& winTable();

} // namespace odds
