// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Records what a PulseAudio sink plays, from its monitor source, with parec.
// The recording is cut to a fixed length by `head -c` rather than by stopping
// parec, which would throw away what it still buffers.
#pragma once

#include "tests/ui/sound/scratch_directory.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace sound_test {

inline constexpr int kRecordingRate = 44100;

class MonitorRecording {
  public:
    // Starts recording `seconds` of mono 16-bit sound at kRecordingRate from
    // the monitor of `sink`. The recording runs on its own thread, so the
    // test's thread may block meanwhile.
    MonitorRecording(const std::string& sink, double seconds);
    ~MonitorRecording();
    MonitorRecording(const MonitorRecording&) = delete;
    MonitorRecording& operator=(const MonitorRecording&) = delete;

    // Waits until the first recorded sound arrives; returns when it did, or
    // nothing if it did not within `limit`.
    std::optional<std::chrono::steady_clock::time_point>
    waitUntilRecording(std::chrono::milliseconds limit);

    // What parec wrote on its standard error.
    std::string messages() const;

    // Waits for the whole length and returns the samples (fewer if parec failed).
    std::vector<std::int16_t> finish();

  private:
    void readAll();

    ScratchDirectory scratch_;
    std::FILE* pipe_ = nullptr;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<char> bytes_;
    std::optional<std::chrono::steady_clock::time_point> firstDataAt_;
    bool ended_ = false;
    std::thread reader_;
};

} // namespace sound_test
