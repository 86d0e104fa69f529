// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/exact.h"

#include "odds/win_table.h"

namespace odds {

ExactFigures exactFigures(const Strategy& strategy) {
    const WinTable& table = winTable();
    const Rational charge(3);

    // One press of "Play" ends the replays when it puts up 0 or a win to keep.
    Rational ends = table.probabilityOf(0);
    Rational keptChance;
    Rational keptSum;
    Rational keptSquares;
    for (const WinChance& w : table.wins) {
        if (w.value > 0 && w.value >= strategy.replayBelow) {
            keptChance += w.probability;
            keptSum += w.probability * w.value;
            keptSquares += w.probability * w.value * w.value;
        }
    }
    ends += keptChance;
    const Rational plays = Rational(1) / ends; // the presses are geometric

    // A kept win V is doubled K times with chance 1/2^K (ties only re-deal), and then brings in
    // V * 2^K: the mean stays, the square grows by 2^K.
    const Rational half = table.showdownWon / (table.showdownWon + table.showdownLost);
    Rational survives(1);
    Rational grows(1);
    for (int i = 0; i < strategy.doubles; ++i) {
        survives *= half;
        grows *= 2;
    }
    const Rational held = keptChance / ends; // the chance a stretch has a win to double
    const Rational mean = keptSum / ends * survives * grows;
    const Rational square = keptSquares / ends * survives * grows * grows;

    // Showdowns until K wins or a loss: each one resolves with chance 1 - tie; the j-th
    // resolution is reached with chance half^(j-1).
    Rational resolutions;
    Rational reach(1);
    for (int i = 0; i < strategy.doubles; ++i) {
        resolutions += reach;
        reach *= half;
    }
    const Rational showdowns = resolutions / (Rational(1) - table.showdownTied);
    // Every showdown but a lost one (at most one, with chance 1 - survives) deals the next
    // round by itself.
    const Rational selfDeals = showdowns - (Rational(1) - survives);

    ExactFigures f;
    f.collectedPerCharge = mean;
    f.returnToPlayer = mean / charge;
    f.collectChance = held * survives;
    f.chargesPerCollect = Rational(1) / f.collectChance;
    f.playsPerCollect = plays / f.collectChance;
    f.variancePerCharge = square - mean * mean;
    f.dealsPerCharge = plays + held * selfDeals;
    return f;
}

Strategy bestReplay() {
    Strategy best;
    Rational bestReturn = exactFigures(best).returnToPlayer;
    for (int below = 1; below <= kMaxReplayBelow; ++below) {
        const Strategy replay{.replayBelow = below};
        if (const Rational r = exactFigures(replay).returnToPlayer; r > bestReturn) {
            best = replay;
            bestReturn = r;
        }
    }
    return best;
}

} // namespace odds
