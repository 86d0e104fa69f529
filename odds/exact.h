// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact figures of a strategy, as fractions.
//
// Every charged play starts afresh (the win reads 0 and no chain runs), so the stretch from one
// charged play to the next is independent of every other and alike for the same strategy: the
// long-run figures are those of one stretch. In a stretch the player presses "Play" until the
// win is 0 or one to keep (the first press charged, the others free), then doubles it, and
// collects it or loses it.
#pragma once

#include "odds/rational.h"
#include "odds/strategy.h"

namespace odds {

struct ExactFigures {
    // Total collected over total charged.
    Rational returnToPlayer;
    // Presses of "Play" (charged or free) per collected win.
    Rational playsPerCollect;
    // Charged plays per collected win.
    Rational chargesPerCollect;
    // The variance of what one charged play brings in, in credits squared; the spread is its
    // square root.
    Rational variancePerCharge;
    // What one charged play brings in, on average (3 times the return).
    Rational collectedPerCharge;
    // The chance that a charged play ends in a collect.
    Rational collectChance;
    // Deals per charged play: the presses of "Play" and the deals that follow won or tied
    // showdowns by themselves.
    Rational dealsPerCharge;
};

ExactFigures exactFigures(const Strategy& strategy);

// Among the strategies that replay and then collect at once, every threshold from 0 to
// kMaxReplayBelow, the one with the highest return; the lowest threshold among equals.
Strategy bestReplay();

} // namespace odds
