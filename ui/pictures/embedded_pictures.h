// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rendered pictures as the program holds them (made by ui/pictures/CMakeLists.txt): the
// raw pixels of every picture at every screen scale, each 64-byte aligned.
#pragma once

#include <cstddef>
#include <string_view>

namespace ui::embedded {

struct Picture {
    std::string_view name;       // the catalogue's name, game/pictures.h
    double ratio;                // the screen scale it was rendered for
    const unsigned char* pixels; // rows of 32-bit 0xffRRGGBB words, as QImage::Format_RGB32
};

extern const Picture kPictures[];
extern const std::size_t kPictureCount;

} // namespace ui::embedded
