// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the rules need from the platform, each behind a small interface so that the
// rules run unchanged in the window, in tests and in simulations.
#pragma once

#include <cstdint>
#include <string>

namespace game {

// The random generator: one per game.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Mixes a clock reading into the current state; never restarts the sequence.
    virtual void reseed(double clockSeconds) = 0;
    // The next uniform number r with 0 <= r < 1.
    virtual float next() = 0;
};

// The time of day, in seconds since local midnight.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
};

// Plays a WAV file asynchronously; a new cue stops one that still plays. Failure
// is silent: the caller never learns whether anything was heard.
class CuePlayer {
  public:
    virtual ~CuePlayer() = default;
    virtual void play(const std::string& path) = 0;
};

// Runs every waiting window event to completion, then returns. Handlers run from
// here may call back into the rules.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void pumpEvents() = 0;
};

// Holds the rules for the given number of milliseconds: no handler runs meanwhile, and input
// made during the pause waits for the next pass of the event pump.
class Pauser {
  public:
    virtual ~Pauser() = default;
    virtual void pause(std::uint32_t milliseconds) = 0;
    // Ends a running pause at once (the window was closed). A pauser that cannot be
    // interrupted lets the pause run its length.
    virtual void interrupt() {}
};

} // namespace game
