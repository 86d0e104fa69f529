// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Services for a window that is only drawn, never played (the build tools that draw it off
// screen): time stands still, and pauses, cues and the event pump do nothing.
#pragma once

#include "game/services.h"

#include <cstdint>
#include <string>

namespace ui {

struct StillPlatform : game::Clock, game::CuePlayer, game::EventPump, game::Pauser {
    double secondsSinceMidnight() const override { return 43200.0; }
    void play(const std::string&) override {}
    void pumpEvents() override {}
    void pause(std::uint32_t) override {}
};

} // namespace ui
