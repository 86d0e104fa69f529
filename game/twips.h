// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Positions and sizes are designed in twips, 1/1440 inch: 15 to the pixel at 96 dots
// per inch.
#pragma once

namespace game {

inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel, halves away from zero.
constexpr int toPixels(double twips) {
    const double pixels = twips / kTwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

// A rectangle: left and top from its container's top-left corner, width and height.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; } // one past the last column
    constexpr int bottom() const { return top + height; }
    constexpr bool operator==(const Rect&) const = default;
};

// A rectangle in twips as the window lays it out in pixels: left, top, width and height each
// to the nearest pixel.
constexpr Rect toPixels(const Rect& twips) {
    return {toPixels(twips.left), toPixels(twips.top), toPixels(twips.width),
            toPixels(twips.height)};
}

} // namespace game
