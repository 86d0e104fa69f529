// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "How to play": the rules, what each value of the table means, the keys, the chances of a pick
// against each dealer's card, and the long-run figures of a few ways to play, worked out exactly
// from the odds, never typed in. It opens in a window of its own beside the game's, as text with
// a caret that a screen reader reads line by line, and its table cell by cell.
#pragma once

#include "game/window_design.h"
#include "odds/exact.h"

#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <future>
#include <vector>

namespace ui {

// The way of looking at the dealer's card the text sets against picking blind: pick against a
// dealer's 2 up to this rank, collect against the rest.
inline constexpr int kHelpPickTo = 8;
// The caps on the win at which the free re-deal's return is told, to show it grow with the cap
// past the best of the ways without it.
inline constexpr std::array<std::int64_t, 2> kHelpCaps{1024, 4096};
// The decimal places of a return, and of a spread.
inline constexpr int kHelpPlaces = 3;
inline constexpr int kHelpSpreadPlaces = 1;
// The size the window asks for, in the screen's logical pixels, where the screen has room: some
// seventy characters a line, and the rules and the table of chances in sight at once.
inline constexpr QSize kHowToPlaySize(560, 640);

// The figures the text tells, as the odds work them out.
struct HowToPlayFigures {
    // A pick against each dealer's card, 2 to ace.
    std::vector<odds::PickChances> chances;
    // Collecting every win at once: also the return of doubling blind.
    odds::Rational atOnce;
    // Picking against a dealer's 2 to kHelpPickTo, collecting against the rest.
    odds::Rational looking;
    // The best of the ways that pick against a dealer's 2 up to some card and collect against the
    // rest, and its figures.
    odds::Strategy best;
    odds::ExactFigures bestFigures;
    // That way with a free re-deal in a chain until the dealer shows the lowest rank, and the win
    // collected once it reaches each of kHelpCaps.
    std::array<odds::Rational, kHelpCaps.size()> redealt;
};

// Works the figures out: some ten milliseconds of exact sums.
HowToPlayFigures workOutHowToPlayFigures();

// The text, as HTML, in the player's language: paragraphs, a list of the table's values and the
// table of the chances.
QString howToPlayText(const HowToPlayFigures& figures);
// The same with the figures worked out now.
QString howToPlayText();

// The figures, worked out once on a thread of their own, so that a key press never waits for the
// sums: start() begins the work, figures() waits for its end. Destroyed, it waits for the work to
// end.
class HowToPlayFiguresAhead {
  public:
    // Begins the work, unless it has begun.
    void start();
    // The figures, once worked out; begins the work if it has not begun.
    const HowToPlayFigures& figures();

  private:
    std::shared_future<HowToPlayFigures> work_;
};

} // namespace ui
