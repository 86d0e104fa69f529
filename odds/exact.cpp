// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/exact.h"

#include "game/double_up.h"
#include "odds/win_table.h"

#include <stdexcept>

namespace odds {
namespace {

// A figure that cannot be negative and may be infinite.
struct Sum {
    Rational value;
    bool infinite = false;
};

Sum operator+(const Sum& a, const Sum& b) {
    return {a.value + b.value, a.infinite || b.infinite};
}

// c * x for a chance or a count c; nothing when c is 0, however large x is.
Sum times(const Rational& c, const Sum& x) {
    return sgn(c) == 0 ? Sum{} : Sum{c * x.value, x.infinite};
}

// What is still to come from one deal on: the win collected (its mean and mean square), the
// chance that it is collected, and the presses of "Play" and deals still to come.
struct Outlook {
    Sum mean;
    Sum square;
    Rational collect;
    Rational plays;
    Rational deals;
    bool fourthFinite = true;
};

// One deal's chances as the strategy plays them: collect, pick and win, pick and tie (a pick
// loses otherwise); and the free re-deals made before the dealer shows a card to play against,
// on average.
struct Round {
    Rational collect;
    Rational won;
    Rational tied;
    Rational redeals;
};

Round roundAt(const Strategy& s, std::int64_t win, bool chain, int wonPicks) {
    const Rational thirteenth = ratio(1, kHighestRank - kLowestRank + 1);
    int kept = 0; // dealer's cards the strategy does not deal away again
    for (int r = kLowestRank; r <= kHighestRank; ++r) {
        kept += decide(s, win, chain, r, wonPicks) == Move::Play ? 0 : 1;
    }
    Round round;
    const Rational each = ratio(1, kept);
    round.redeals = ratio(kHighestRank - kLowestRank + 1, kept) - 1;
    for (int r = kLowestRank; r <= kHighestRank; ++r) {
        switch (decide(s, win, chain, r, wonPicks)) {
        case Move::Pick:
            round.won += each * thirteenth * (kHighestRank - r);
            round.tied += each * thirteenth;
            break;
        case Move::Collect:
            round.collect += each;
            break;
        case Move::Play:
            break;
        }
    }
    return round;
}

// A chain whose moves depend on neither the win nor the picks won (no cap, no limit): what is
// to come is the same for every win, scaled by it. Each sum over ever longer chains is
// geometric, finite only while the win a round carries on with, weighted, shrinks.
Outlook endlessChain(const Strategy& s, const Rational& win) {
    const Round r = roundAt(s, 1, true, 0);
    const Rational ends = 1 - r.tied - r.won; // collected or lost
    if (sgn(ends) <= 0) {
        throw std::invalid_argument("\"" + name(s) + "\" never ends a chain");
    }
    const auto moment = [&](const Rational& growth, const Rational& power) {
        const Rational rest = 1 - r.tied - growth * r.won;
        if (sgn(r.collect) == 0) {
            return Sum{};
        }
        return sgn(rest) > 0 ? Sum{r.collect / rest * power} : Sum{0, true};
    };
    Outlook o;
    o.mean = moment(2, win);
    o.square = moment(4, win * win);
    o.fourthFinite = !moment(16, 1).infinite;
    o.collect = r.collect / ends;
    o.plays = r.redeals / ends;
    o.deals = (r.redeals + r.won + r.tied) / ends;
    return o;
}

// What is to come from a deal in a chain with `win` at stake after `wonPicks` won picks. A tie
// deals the same chain again, so each figure solves x = round + tied * x.
Outlook chain(const Strategy& s, const Rational& win, int wonPicks) {
    if (s.pickTo > 0 && s.doubles == 0 && s.collectAt == 0) {
        return endlessChain(s, win);
    }
    // A cap or a limit ends every chain within a few dozen won picks.
    const std::int64_t whole = win.get_num().get_si();
    const Round r = roundAt(s, whole, true, wonPicks);
    const Outlook next = sgn(r.won) > 0 ? chain(s, win * 2, wonPicks + 1) : Outlook{};
    const Rational once = 1 / (1 - r.tied);
    Outlook o;
    o.mean = times(once, Sum{r.collect * win} + times(r.won, next.mean));
    o.square = times(once, Sum{r.collect * win * win} + times(r.won, next.square));
    o.collect = once * (r.collect + r.won * next.collect);
    o.plays = once * (r.redeals + r.won * next.plays);
    o.deals = once * (r.redeals + r.won + r.tied + r.won * next.deals);
    o.fourthFinite = next.fourthFinite;
    return o;
}

// What is to come from the deal that put up `win`, which the strategy keeps: no free re-deal
// here (a press of "Play" would replace the win), and a won or tied pick starts a chain.
Outlook freshDeal(const Strategy& s, int win) {
    const Round r = roundAt(s, win, false, 0);
    Outlook o;
    o.mean = Sum{r.collect * win};
    o.square = Sum{r.collect * win * win};
    o.collect = r.collect;
    const auto then = [&](const Rational& chance, const Rational& next, int wonPicks) {
        if (sgn(chance) == 0) {
            return;
        }
        const Outlook c = chain(s, next, wonPicks);
        o.mean = o.mean + times(chance, c.mean);
        o.square = o.square + times(chance, c.square);
        o.collect += chance * c.collect;
        o.plays += chance * c.plays;
        o.deals += chance * (1 + c.deals);
        o.fourthFinite = o.fourthFinite && c.fourthFinite;
    };
    then(r.won, Rational(2 * win), 1);
    then(r.tied, Rational(win), 0);
    return o;
}

Figure finite(const Sum& sum) {
    return sum.infinite ? Figure{} : Figure{sum.value};
}

// Whether a is a higher return than b, an infinite one above every finite one.
bool higher(const Figure& a, const Figure& b) {
    return b && (!a || *a > *b);
}

} // namespace

ExactFigures exactFigures(const Strategy& strategy) {
    if (neverEnds(strategy)) {
        throw std::invalid_argument("\"" + name(strategy) + "\" never ends a chain");
    }
    const WinTable& table = winTable();

    // One press of "Play" ends the replays when it puts up 0 or a win to keep.
    Rational ends = table.probabilityOf(0);
    for (const WinChance& w : table.wins) {
        if (w.value > 0 && decide(strategy, w.value, false, kLowestRank, 0) != Move::Play) {
            ends += w.probability;
        }
    }
    const Rational presses = 1 / ends; // the presses are geometric

    Sum mean;
    Sum square;
    Rational collect;
    Rational plays = presses;
    Rational deals = presses;
    bool fourthFinite = true;
    for (const WinChance& w : table.wins) {
        if (w.value == 0 || decide(strategy, w.value, false, kLowestRank, 0) == Move::Play) {
            continue;
        }
        const Rational weight = w.probability / ends;
        const Outlook o = freshDeal(strategy, w.value);
        mean = mean + times(weight, o.mean);
        square = square + times(weight, o.square);
        collect += weight * o.collect;
        plays += weight * o.plays;
        deals += weight * o.deals;
        fourthFinite = fourthFinite && o.fourthFinite;
    }

    ExactFigures f;
    const Rational charge(static_cast<long>(game::DoubleUp::kPlayCharge));
    f.collectedPerCharge = finite(mean);
    f.returnToPlayer = mean.infinite ? Figure{} : Figure{mean.value / charge};
    f.collectChance = collect;
    if (sgn(collect) > 0) {
        f.chargesPerCollect = 1 / collect;
        f.playsPerCollect = plays / collect;
    }
    if (!square.infinite) {
        f.variancePerCharge = square.value - mean.value * mean.value;
    }
    f.dealsPerCharge = deals;
    f.spreadHasInterval = fourthFinite;
    return f;
}

std::vector<PickChances> pickChances() {
    std::vector<PickChances> out;
    const int ranks = kHighestRank - kLowestRank + 1;
    for (int r = kLowestRank; r <= kHighestRank; ++r) {
        const int won = kHighestRank - r;
        const int lost = r - kLowestRank;
        out.push_back({r, won, 1, lost, ratio(2 * won + 1, ranks)});
    }
    return out;
}

Strategy bestReplay() {
    Strategy best;
    Figure bestReturn = exactFigures(best).returnToPlayer;
    for (int below = 1; below <= kMaxReplayBelow; ++below) {
        const Strategy replay{.replayBelow = below};
        if (const Figure r = exactFigures(replay).returnToPlayer; higher(r, bestReturn)) {
            best = replay;
            bestReturn = r;
        }
    }
    return best;
}

Strategy bestPickTo(const Strategy& base) {
    const std::vector<Strategy> family = pickToFamily(base);
    Strategy best = family.front();
    Figure bestReturn = exactFigures(best).returnToPlayer;
    for (const Strategy& s : family) {
        if (const Figure r = exactFigures(s).returnToPlayer; higher(r, bestReturn)) {
            best = s;
            bestReturn = r;
        }
    }
    return best;
}

} // namespace odds
