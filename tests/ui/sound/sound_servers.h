// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound servers for the tests: the one the test run was given, one with no
// output at all, and one that hangs.
#pragma once

#include "tests/ui/sound/scratch_directory.h"

#include <optional>
#include <string>
#include <sys/types.h>

namespace sound_test {

// The default sink of the server named in PULSE_SERVER (as scripts/with-audio.sh
// sets it up); nothing when the variable is unset or the server does not answer.
std::optional<std::string> testServerSink();

// A PulseAudio daemon of its own whose only module is the client socket: clients
// connect, but there is no sink to play on.
class OutputlessSoundServer {
  public:
    OutputlessSoundServer();
    ~OutputlessSoundServer();
    OutputlessSoundServer(const OutputlessSoundServer&) = delete;
    OutputlessSoundServer& operator=(const OutputlessSoundServer&) = delete;

    // True once the daemon accepts connections.
    bool ready() const { return ready_; }
    // The value for PULSE_SERVER.
    std::string address() const { return "unix:" + socket_; }

  private:
    ScratchDirectory directory_;
    std::string socket_;
    pid_t pid_ = -1;
    bool ready_ = false;
};

// A listening socket that queues connections and never accepts or answers them:
// a sound server that hangs.
class UnresponsiveSoundServer {
  public:
    UnresponsiveSoundServer();
    ~UnresponsiveSoundServer();
    UnresponsiveSoundServer(const UnresponsiveSoundServer&) = delete;
    UnresponsiveSoundServer& operator=(const UnresponsiveSoundServer&) = delete;

    std::string address() const { return "unix:" + socket_; }

  private:
    ScratchDirectory directory_;
    std::string socket_;
    int fd_ = -1;
};

} // namespace sound_test
