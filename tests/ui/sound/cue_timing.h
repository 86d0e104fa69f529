// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the cue service may hold its caller, and how the tests measure it.
#pragma once

#include <chrono>

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

} // namespace sound_test
