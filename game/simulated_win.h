// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The draws behind the simulated win a play puts up and behind a card, written once: the rules
// make them from this table, and the odds are worked out from it.
#pragma once

#include <algorithm>
#include <array>

namespace game {

// floor(r * span + base) for a uniform number r in [0, 1): each of the span whole numbers from
// base up comes out equally often.
struct Draw {
    int span;
    int base;
};

// When the draw comes out at `hit`, the win becomes `prize`.
struct PrizeDraw {
    Draw draw;
    int hit;
    int prize;
};

// The base draw gives the win; each prize draw in turn that hits replaces it, so a later prize
// overrides an earlier one; the keep draw keeps the win only when it comes out at keepAt, and
// makes it 0 otherwise. Every draw is made every time, in this order.
struct WinDraws {
    Draw base;
    std::array<PrizeDraw, 3> prizes;
    Draw keep;
    int keepAt;
};

inline constexpr WinDraws kWinDraws{
    {19, 2}, {{{{9, 2}, 10, 30}, {{19, 2}, 10, 50}, {{49, 2}, 10, 100}}}, {4, 0}, 3};

// A card's rank code, 2 to 14 (11 the jack to 14 the ace), then its suit code, 1 to 4.
inline constexpr Draw kRankDraw{13, 2};
inline constexpr Draw kSuitDraw{4, 1};

// The win the table's draws put up; `draw` makes one draw and returns what it came out at.
template <class DrawOne> int drawWin(const WinDraws& table, DrawOne&& draw) {
    int win = draw(table.base);
    for (const PrizeDraw& p : table.prizes) {
        if (draw(p.draw) == p.hit) {
            win = p.prize;
        }
    }
    return draw(table.keep) == table.keepAt ? win : 0;
}

// The largest win the table can put up.
constexpr int largestWin(const WinDraws& table) {
    int most = table.base.base + table.base.span - 1;
    for (const PrizeDraw& p : table.prizes) {
        most = std::max(most, p.prize);
    }
    return most;
}

} // namespace game
