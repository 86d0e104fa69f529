// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which files are handed to the sound library.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

// The largest cue file that is played. The library reads a file on the thread
// that starts it, so a larger one would hold up the cues after it.
inline constexpr std::uintmax_t kMaxCueFileBytes = 16u * 1024u * 1024u;

// True for a regular file (after following links) of at most kMaxCueFileBytes.
// Directories, devices and pipes are refused: opening a pipe could block forever.
bool isPlayableSoundFile(const std::string& path);

} // namespace ui
