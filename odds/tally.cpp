// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/tally.h"

namespace odds {

void Tally::addStretch(std::int64_t y, std::uint64_t stretchPlays) {
    ++charges;
    plays += stretchPlays;
    const double p = static_cast<double>(stretchPlays);
    sumPlays2 += p * p;
    if (y > 0) {
        ++collects;
        collected += y;
        const double v = static_cast<double>(y);
        sumY2 += v * v;
        sumY3 += v * v * v;
        sumY4 += v * v * v * v;
        sumPlaysCollected += p;
    }
}

Tally& Tally::operator+=(const Tally& o) {
    charges += o.charges;
    plays += o.plays;
    deals += o.deals;
    picks += o.picks;
    collects += o.collects;
    collected += o.collected;
    sumY2 += o.sumY2;
    sumY3 += o.sumY3;
    sumY4 += o.sumY4;
    sumPlays2 += o.sumPlays2;
    sumPlaysCollected += o.sumPlaysCollected;
    for (std::size_t i = 0; i < winsPutUp.size(); ++i) {
        winsPutUp[i] += o.winsPutUp[i];
    }
    return *this;
}

} // namespace odds
