// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real clock of the game.
#pragma once

#include "game/services.h"

namespace game {

// Seconds since local midnight, with sub-second resolution.
class SystemClock : public Clock {
  public:
    double secondsSinceMidnight() const override;
};

} // namespace game
