// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/sounds/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace assets {
namespace {

void putU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    putU16(out, static_cast<std::uint16_t>(value & 0xFFFFu));
    putU16(out, static_cast<std::uint16_t>(value >> 16));
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) { // byte by byte: GCC 12 misreads a range insert at -O2
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

std::vector<std::uint8_t> encodeWav16(const std::vector<float>& samples, int sampleRate) {
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto rate = static_cast<std::uint32_t>(sampleRate);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putU32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // integer PCM
    putU16(out, kChannels);
    putU32(out, rate);
    putU32(out, rate * kChannels * kBytesPerSample);
    putU16(out, kChannels * kBytesPerSample);
    putU16(out, 8 * kBytesPerSample);
    putTag(out, "data");
    putU32(out, dataBytes);
    for (float sample : samples) {
        const float clamped = std::clamp(sample, -1.0f, 1.0f);
        const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0f));
        putU16(out, static_cast<std::uint16_t>(value));
    }
    return out;
}

bool writeWav16(const std::string& path, const std::vector<float>& samples, int sampleRate) {
    const std::vector<std::uint8_t> bytes = encodeWav16(samples, sampleRate);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

} // namespace assets
