// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the cue service may hold its caller, how the tests measure it, and how they wait.
#pragma once

#include <chrono>
#include <thread>

namespace sound_test {

// The longest a play() may hold the calling thread. It only posts to a mailbox
// (well under a millisecond); the margin absorbs a busy machine's scheduling,
// while a play() that waited on the sound library would take far longer.
inline constexpr double kPlayLimitMs = 20.0;

inline double millisecondsBetween(std::chrono::steady_clock::time_point from,
                                  std::chrono::steady_clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double millisecondsSince(std::chrono::steady_clock::time_point from) {
    return millisecondsBetween(from, std::chrono::steady_clock::now());
}

// Checks `condition` every 10 ms until it holds or `limit` has passed; true if it held.
template <typename Condition> bool waitUntil(Condition condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace sound_test
