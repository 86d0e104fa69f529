// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/sound/cue_files.h"

#include "assets/sounds/cue_synthesis.h"
#include "assets/sounds/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>

namespace sound_test {
namespace {

constexpr std::uintmax_t kHugeBytes = 100u * 1024u * 1024u;

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::vector<std::uint8_t> clickBytes() {
    return assets::encodeWav16(assets::synthesizeClickCue(), assets::kCueSampleRate);
}

// The 4-byte little-endian field at `offset`.
void setU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

} // namespace

CueFiles writeCueFiles(const std::filesystem::path& directory) {
    CueFiles files{(directory / "click.wav").string(), (directory / "win.wav").string()};
    if (!assets::writeWav16(files.click, assets::synthesizeClickCue(), assets::kCueSampleRate) ||
        !assets::writeWav16(files.win, assets::synthesizeWinCue(), assets::kCueSampleRate)) {
        throw std::runtime_error("cannot write the cue files into " + directory.string());
    }
    return files;
}

std::string makeBrokenCue(const std::filesystem::path& directory, BrokenCue kind) {
    const std::filesystem::path path = directory / "click.wav";
    switch (kind) {
    case BrokenCue::Missing:
        break;
    case BrokenCue::Directory:
        std::filesystem::create_directory(path);
        break;
    case BrokenCue::Fifo:
        if (::mkfifo(path.c_str(), 0600) != 0) {
            throw std::runtime_error("cannot make a fifo at " + path.string());
        }
        break;
    case BrokenCue::Empty:
        writeBytes(path, {});
        break;
    case BrokenCue::Truncated: {
        std::vector<std::uint8_t> bytes = clickBytes();
        bytes.resize(44 + (bytes.size() - 44) / 3);
        writeBytes(path, bytes);
        break;
    }
    case BrokenCue::CorruptHeader: {
        std::vector<std::uint8_t> bytes = clickBytes();
        for (std::size_t i = 0; i < 44; ++i) {
            bytes[i] = static_cast<std::uint8_t>(0xA5u ^ (i * 37u));
        }
        writeBytes(path, bytes);
        break;
    }
    case BrokenCue::Huge: {
        std::vector<std::uint8_t> bytes = clickBytes();
        setU32(bytes, 4, static_cast<std::uint32_t>(kHugeBytes - 8));
        setU32(bytes, 40, static_cast<std::uint32_t>(kHugeBytes - 44));
        writeBytes(path, bytes);
        // Extending the file leaves a hole: no 100 MB are written to disk.
        std::filesystem::resize_file(path, kHugeBytes);
        break;
    }
    }
    return path.string();
}

const char* nameOf(BrokenCue kind) {
    switch (kind) {
    case BrokenCue::Missing:
        return "Missing";
    case BrokenCue::Directory:
        return "Directory";
    case BrokenCue::Fifo:
        return "Fifo";
    case BrokenCue::Empty:
        return "Empty";
    case BrokenCue::Truncated:
        return "Truncated";
    case BrokenCue::CorruptHeader:
        return "CorruptHeader";
    case BrokenCue::Huge:
        return "Huge";
    }
    return "Unknown";
}

void PrintTo(BrokenCue kind, std::ostream* out) {
    *out << nameOf(kind);
}

std::vector<std::int16_t> toPcm16(const std::vector<float>& samples) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (float sample : samples) {
        pcm.push_back(
            static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f)));
    }
    return pcm;
}

} // namespace sound_test
