// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One stretch, from a charged play to the next, played by a strategy's rules on a table that
// either simulation keeps: the same decisions, made from what the table shows.
#pragma once

#include "odds/strategy.h"
#include "odds/tally.h"

#include <cstdint>
#include <stdexcept>

namespace odds {

// The largest win a simulation plays on: the table shows wins as plain digits below 10^15.
inline constexpr std::int64_t kLargestSimulatedWin = 1'000'000'000'000'000;

// `table` offers play() (a press of "Play"), pick() (a card, with its showdown and the deal a
// won or tied pick makes by itself), collect(), win() and dealer(), the dealer's rank code.
// The player remembers whether a chain runs and how many picks in it have won, as a person at
// the table does.
template <class Table> void playStretch(Table& table, const Strategy& strategy, Tally& tally) {
    std::uint64_t plays = 1;
    table.play();
    bool chain = false;
    int wonPicks = 0;
    for (;;) {
        const std::int64_t win = table.win();
        if (win == 0) {
            tally.addStretch(0, plays);
            return;
        }
        if (win >= kLargestSimulatedWin) {
            throw std::runtime_error("a simulated win of \"" + name(strategy) +
                                     "\" passed 10^15, beyond what the table shows; give it a "
                                     "cap with collect-at=N");
        }
        switch (decide(strategy, win, chain, table.dealer(), wonPicks)) {
        case Move::Collect:
            table.collect();
            tally.addStretch(win, plays);
            return;
        case Move::Play:
            ++plays;
            table.play();
            break;
        case Move::Pick:
            table.pick();
            wonPicks += table.win() > win ? 1 : 0;
            chain = true; // a lost pick ends the stretch above
            break;
        }
    }
}

} // namespace odds
