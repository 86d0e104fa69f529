// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulation through the real rules: game::DoubleUp on the in-memory table with the game's
// own generator, the clock moved on by the player's pace and by the rules' pauses, and a
// player that reads the table and presses the handlers the window's buttons and cards press.
#pragma once

#include "odds/strategy.h"
#include "odds/tally.h"

#include <cstdint>

namespace odds {

// Plays whole stretches until at least `deals` rounds have been dealt. The generator starts
// from `stream`. With a trace, the table is recorded after every press.
Tally simulateRules(const Strategy& strategy, std::uint64_t stream, std::uint64_t deals,
                    Trace* trace = nullptr);

} // namespace odds
