// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/session_statistics.h"

#include <algorithm>

namespace game {

void SessionStatistics::dealt(bool charged, bool chainStep) {
    if (charged) {
        ++figures_.playsCharged;
        figures_.creditsPaid += playCharge_;
    }
    chain_ = chainStep ? chain_ + 1 : 1;
    figures_.longestChain = std::max(figures_.longestChain, chain_);
}

void SessionStatistics::collected(double win) {
    if (win > 0) {
        ++figures_.winsCollected;
        figures_.collectedSum += win;
        figures_.biggestWin = std::max(figures_.biggestWin, win);
    }
}

} // namespace game
