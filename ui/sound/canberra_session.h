// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One connection to the desktop's sound server through libcanberra, used by the
// sound worker only. It connects on first use and again after a failure, and
// keeps every failure to itself.
#pragma once

#include <string>

struct ca_context;

namespace ui {

class CanberraSession {
  public:
    CanberraSession() = default;
    ~CanberraSession();
    CanberraSession(const CanberraSession&) = delete;
    CanberraSession& operator=(const CanberraSession&) = delete;

    // Stops the cue this session started, if it still plays.
    void stopCue();

    // Starts playing a WAV file and returns without waiting for it to end.
    void startCue(const std::string& path);

  private:
    bool open();
    void close();
    int play(const std::string& path);

    ca_context* context_ = nullptr;
};

} // namespace ui
