// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the game's sound cues through libcanberra on the desktop's sound server.
#pragma once

#include "game/services.h"

#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace ui {

class CueMailbox;

// play() only leaves the path in a mailbox and returns at once; a worker thread,
// started by the first cue, owns the sound library, connects to the server on the first cue (and
// again on a later cue after a failure), stops the cue that still plays and starts the new one.
// Files that are missing, unreadable, not regular or larger than kMaxCueFileBytes play nothing, and
// nothing is ever reported.
class CanberraCuePlayer final : public game::CuePlayer {
  public:
    // How long destruction waits for the worker. A worker stuck on an
    // unresponsive sound server is left behind after that; it shares the
    // mailbox, so nothing it touches is freed under it.
    static constexpr std::chrono::milliseconds kShutdownWait{250};

    CanberraCuePlayer();
    ~CanberraCuePlayer() override;
    CanberraCuePlayer(const CanberraCuePlayer&) = delete;
    CanberraCuePlayer& operator=(const CanberraCuePlayer&) = delete;

    void play(const std::string& path) override;

  private:
    std::shared_ptr<CueMailbox> mailbox_;
    std::thread worker_;
    bool workerFailed_ = false;
};

} // namespace ui
