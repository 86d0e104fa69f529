// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact figures of a strategy, as fractions, or the word that a figure has no finite value.
//
// Every charged play starts afresh (the win reads 0 and no chain runs), so the stretch from one
// charged play to the next is independent of every other and alike for the same strategy: the
// long-run figures are those of one stretch. In a stretch the player presses "Play" until the
// win is 0 or one to keep (the first press charged, the others free), then plays the chain the
// strategy's rules make of it, and collects the win or loses it.
#pragma once

#include "odds/rational.h"
#include "odds/strategy.h"

#include <optional>
#include <vector>

namespace odds {

// An exact figure, or none where the figure is infinite: a sum over ever longer chains that
// grows without bound, or a count per collect where nothing is ever collected.
using Figure = std::optional<Rational>;

struct ExactFigures {
    // Total collected over total charged.
    Figure returnToPlayer;
    // Presses of "Play" (charged or free) per collected win.
    Figure playsPerCollect;
    // Charged plays per collected win.
    Figure chargesPerCollect;
    // The variance of what one charged play brings in, in credits squared; the spread is its
    // square root.
    Figure variancePerCharge;
    // What one charged play brings in, on average (3 times the return).
    Figure collectedPerCharge;
    // The chance that a charged play ends in a collect.
    Rational collectChance;
    // Deals per charged play: the presses of "Play" and the deals that follow won or tied
    // picks by themselves.
    Rational dealsPerCharge;
    // Whether what a charged play brings in has a finite fourth moment, which a confidence
    // interval for the simulated spread needs (the interval of the return needs the variance).
    bool spreadHasInterval = true;
};

// Throws std::invalid_argument for a strategy that never ends (neverEnds()).
ExactFigures exactFigures(const Strategy& strategy);

// A pick against one dealer's card, in thirteenths: the card picked is higher, equal or lower.
struct PickChances {
    int dealer;
    int won;
    int tied;
    int lost;
    // What the pick is worth, per credit of the win, if the deal after it is collected: twice
    // the win when it wins, the win again on a tie, nothing when it loses. Above 1 it pays.
    Rational worth;
};

// One line per rank of the dealer's card, 2 to ace.
std::vector<PickChances> pickChances();

// Among the strategies that replay and then collect at once, every threshold from 0 to
// kMaxReplayBelow, the one with the highest return; the lowest threshold among equals.
Strategy bestReplay();

// Among pickToFamily(base), the one with the highest exact return, an infinite return counting
// above every finite one; the lowest pickTo among equals.
Strategy bestPickTo(const Strategy& base = {});

} // namespace odds
