// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a sound cue lies: in the program's own directory.
#pragma once

#include <string>

namespace game {

// The program's directory directly followed by "/" and the file name. The bytes
// of both are kept as they are, so the result is the file system's own name for
// the file whatever characters the directory holds.
std::string cuePath(const std::string& programDirectory, const char* fileName);

} // namespace game
