// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cue files for the tests: the game's own two cues, and broken stand-ins.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace sound_test {

struct CueFiles {
    std::string click;
    std::string win;
};

// Writes click.wav and win.wav, as the build makes them, into an existing
// directory.
CueFiles writeCueFiles(const std::filesystem::path& directory);

// The ways a cue file can be broken.
enum class BrokenCue {
    Missing,       // no such file
    Directory,     // a directory with the cue's name
    Fifo,          // a named pipe nobody writes to
    Empty,         // zero bytes
    Truncated,     // valid header, the samples cut off early
    CorruptHeader, // the samples behind a header of garbage
    Huge,          // a valid header in front of 100 MB of (sparse) samples
};

// Creates a broken "click.wav" in an existing directory and returns its path.
std::string makeBrokenCue(const std::filesystem::path& directory, BrokenCue kind);

const char* nameOf(BrokenCue kind);

// Lets test reports name the kind.
void PrintTo(BrokenCue kind, std::ostream* out);

// Float samples in [-1, 1] as 16-bit integers, rounded the way the WAV writer
// rounds them.
std::vector<std::int16_t> toPcm16(const std::vector<float>& samples);

} // namespace sound_test
