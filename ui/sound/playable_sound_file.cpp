// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound/playable_sound_file.h"

#include <sys/stat.h>

namespace ui {

bool isPlayableSoundFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    return S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) <= kMaxCueFileBytes;
}

} // namespace ui
