// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform services of the window: the event pump and the blocking pause.
#pragma once

#include "game/services.h"

#include <string>

namespace ui {

// Lets every waiting window event run to completion, including clicks, which then
// run their handlers nested inside the caller, and repaints.
class QtEventPump : public game::EventPump {
  public:
    void pumpEvents() override;
};

// Blocks the calling thread: the window is neither redrawn nor answers meanwhile.
class SleepPauser : public game::Pauser {
  public:
    void pause(std::uint32_t milliseconds) override;
};

// The directory that holds the executable, as the file system's own bytes.
std::string programDirectory();

} // namespace ui
