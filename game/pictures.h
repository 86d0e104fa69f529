// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The nine pictures of the game: what each is called and its exact size in pixels, and the
// screen scales they are drawn for, all from the catalogue game/pictures.def. The rules only copy
// a template's picture into a slot, so an identifier is all they need; the build renders each
// picture's art to exactly this size (times each scale) under this name, and the window's layout
// is built on these sizes.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace game {

enum class Picture : std::uint8_t {
    None,
#define PICTURE(identifier, ...) identifier,
#define PICTURE_RATIOS(...)
#include "game/pictures.def"
#undef PICTURE
#undef PICTURE_RATIOS
};

struct PictureInfo {
    Picture picture;
    std::string_view name; // the name the build renders and embeds the picture under
    int width;             // pixels
    int height;
};

inline constexpr auto kPictures = std::to_array<PictureInfo>({
#define PICTURE(identifier, name, width, height, ...) {Picture::identifier, name, width, height},
#define PICTURE_RATIOS(...)
#include "game/pictures.def"
#undef PICTURE
#undef PICTURE_RATIOS
});

// The screen scales every picture is drawn for, in device pixels to a pixel of the layout,
// smallest first.
inline constexpr auto kPictureRatios = std::to_array<double>({
#define PICTURE(...)
#define PICTURE_RATIOS(...) __VA_ARGS__
#include "game/pictures.def"
#undef PICTURE
#undef PICTURE_RATIOS
});

// A picture's width or height at a scale, in device pixels: every device pixel its rectangle
// touches, so a fractional edge is covered too.
constexpr int devicePixels(int pixels, double ratio) {
    const double exact = pixels * ratio;
    const int whole = static_cast<int>(exact);
    return exact > whole ? whole + 1 : whole;
}

// The entry of a picture, or nullptr for Picture::None.
constexpr const PictureInfo* findPicture(Picture picture) {
    for (const PictureInfo& info : kPictures) {
        if (info.picture == picture) {
            return &info;
        }
    }
    return nullptr;
}

// The entry of the picture with this name, or nullptr.
constexpr const PictureInfo* findPicture(std::string_view name) {
    for (const PictureInfo& info : kPictures) {
        if (info.name == name) {
            return &info;
        }
    }
    return nullptr;
}

} // namespace game
