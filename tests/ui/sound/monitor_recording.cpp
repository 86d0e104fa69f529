// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/sound/monitor_recording.h"

#include "tests/ui/sound/command_output.h"

#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace sound_test {

MonitorRecording::MonitorRecording(const std::string& sink, double seconds) {
    const long bytes = 2L * std::lround(seconds * kRecordingRate);
    const std::string command = "parec --device=" + shellQuote(sink + ".monitor") +
                                " --format=s16le --rate=" + std::to_string(kRecordingRate) +
                                " --channels=1 --latency-msec=10 --raw 2>" +
                                shellQuote((scratch_.path() / "parec.log").string()) +
                                " | head -c " + std::to_string(bytes);
    pipe_ = ::popen(command.c_str(), "r");
    if (pipe_ == nullptr) {
        throw std::runtime_error("cannot start parec");
    }
    reader_ = std::thread([this] { readAll(); });
}

MonitorRecording::~MonitorRecording() {
    finish();
}

void MonitorRecording::readAll() {
    std::array<char, 4096> buffer{};
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe_);
        std::lock_guard lock(mutex_);
        if (got == 0) {
            ended_ = true;
            arrived_.notify_all();
            return;
        }
        if (!firstDataAt_) {
            firstDataAt_ = std::chrono::steady_clock::now();
        }
        bytes_.insert(bytes_.end(), buffer.data(), buffer.data() + got);
        arrived_.notify_all();
    }
}

std::optional<std::chrono::steady_clock::time_point>
MonitorRecording::waitUntilRecording(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, limit, [this] { return firstDataAt_.has_value() || ended_; });
    return firstDataAt_;
}

std::string MonitorRecording::messages() const {
    std::ifstream log(scratch_.path() / "parec.log");
    return std::string(std::istreambuf_iterator<char>(log), {});
}

std::vector<std::int16_t> MonitorRecording::finish() {
    if (reader_.joinable()) {
        reader_.join();
        ::pclose(pipe_);
        pipe_ = nullptr;
    }
    std::vector<std::int16_t> samples(bytes_.size() / 2);
    std::memcpy(samples.data(), bytes_.data(), samples.size() * 2);
    return samples;
}

} // namespace sound_test
