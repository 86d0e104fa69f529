// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulation on plain numbers: the same rules, the same generator drawn in the same order
// with the same clock readings, but no controls, no text and no virtual calls. It gives the
// same results as simulateRules, press by press, for the same stream (tests/odds proves it).
#pragma once

#include "odds/strategy.h"
#include "odds/tally.h"

#include <cstdint>

namespace odds {

Tally simulateFast(const Strategy& strategy, std::uint64_t stream, std::uint64_t deals,
                   Trace* trace = nullptr);

} // namespace odds
