// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The nine pictures of the game: what each is called and its exact size in pixels.
// The rules only copy a template's picture into a slot, so an identifier is all they
// need; the build renders each picture's art to exactly this size under this name (and to
// this size times each screen scale), and the window's layout is built on these sizes.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace game {

enum class Picture : std::uint8_t {
    None,
    CardBack,
    Hearts,
    Spades,
    Clubs,
    Diamonds,
    DealerTag,
    PickTag,
    Banner,
    TableBackground,
};

struct PictureInfo {
    Picture picture;
    std::string_view name; // the art's file stem and the embedded resource's name
    int width;             // pixels
    int height;
};

inline constexpr std::array<PictureInfo, 9> kPictures{{
    {Picture::CardBack, "card-back", 51, 78},
    {Picture::Hearts, "hearts", 51, 78},
    {Picture::Spades, "spades", 51, 78},
    // The clubs face carries one more column of table green on its right.
    {Picture::Clubs, "clubs", 52, 78},
    {Picture::Diamonds, "diamonds", 51, 78},
    {Picture::DealerTag, "dealer-tag", 37, 14},
    {Picture::PickTag, "pick-tag", 36, 14},
    {Picture::Banner, "banner", 320, 22},
    {Picture::TableBackground, "table-background", 320, 219},
}};

// The screen scales every picture is drawn for, in device pixels to a pixel of the layout. The
// window draws each picture from the art made for its screen's scale, so that edges stay smooth
// at device resolution; a scale between these is served by the next larger one.
inline constexpr std::array<double, 7> kPictureRatios{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

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
