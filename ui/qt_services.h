// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform services of the window: the event pump and the pause.
#pragma once

#include "game/services.h"

#include <string>

class QEventLoop;

namespace ui {

// Lets every waiting window event run to completion, then returns. Input held through a pause
// goes first, oldest first; then clicks made meanwhile run their handlers nested inside the
// caller, and the window repaints.
class QtEventPump : public game::EventPump {
  public:
    void pumpEvents() override;
};

// Holds the rules for the given time while the window lives on: it repaints and takes a close
// request, but its input waits (HeldInput) until the next pass of the pump, so no click, key or
// handler runs during a pause. interrupt() ends a running pause at once. Never shorter than
// asked; ends early only when interrupted or when the application quits.
class EventLoopPauser : public game::Pauser {
  public:
    void pause(std::uint32_t milliseconds) override;
    void interrupt() override;

  private:
    QEventLoop* running_ = nullptr;
    bool interrupted_ = false;
};

// The directory that holds the executable, as the file system's own bytes.
std::string programDirectory();

} // namespace ui
