// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/cue_path.h"

namespace game {

std::string cuePath(const std::string& programDirectory, const char* fileName) {
    std::string path = programDirectory;
    path += '/';
    path += fileName;
    return path;
}

} // namespace game
