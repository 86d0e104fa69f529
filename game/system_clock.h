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
