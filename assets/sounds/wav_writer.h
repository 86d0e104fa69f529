// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes mono 16-bit PCM WAV files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

// The complete file: a canonical 44-byte RIFF/WAVE header and the samples,
// clamped to [-1, 1], rounded to 16-bit little-endian integers.
std::vector<std::uint8_t> encodeWav16(const std::vector<float>& samples, int sampleRate);

// Writes encodeWav16 to path; false if the file could not be written whole.
bool writeWav16(const std::string& path, const std::vector<float>& samples, int sampleRate);

} // namespace assets
