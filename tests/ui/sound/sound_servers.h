// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound servers for the tests: the one the test run was given, one with no
// output at all, and one that hangs.
#pragma once

#include "tests/ui/sound/scratch_directory.h"

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>

namespace sound_test {

// The default sink of the server named in PULSE_SERVER (as scripts/with-audio.sh
// sets it up); nothing when the variable is unset or the server does not answer.
std::optional<std::string> testServerSink();

// How many streams the server named in PULSE_SERVER is playing.
int playingStreams();

// A PulseAudio daemon of its own whose only module is the client socket: clients
// connect, but there is no sink to play on.
class OutputlessSoundServer {
  public:
    OutputlessSoundServer();
    ~OutputlessSoundServer();
    OutputlessSoundServer(const OutputlessSoundServer&) = delete;
    OutputlessSoundServer& operator=(const OutputlessSoundServer&) = delete;

    // Empty once the daemon answers clients; otherwise why it does not, with its own log.
    const std::string& failure() const { return failure_; }
    // The value for PULSE_SERVER.
    std::string address() const { return "unix:" + socket_; }
    // Waits at most `limit` until the server has a client of that application name.
    bool waitForClient(const std::string& application, std::chrono::milliseconds limit) const;

  private:
    ScratchDirectory directory_;
    std::string socket_;
    pid_t pid_ = -1;
    std::string failure_;
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
    // Waits at most `limit` until a client is connecting (and left hanging).
    bool waitForClient(std::chrono::milliseconds limit) const;

  private:
    ScratchDirectory directory_;
    std::string socket_;
    int fd_ = -1;
};

} // namespace sound_test
