// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for looking at the game's pictures pixel by pixel in tests.
#pragma once

#include "game/window_design.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <functional>

namespace picture_probe {

// WCAG relative luminance of an sRGB colour, 0 (black) to 1 (white).
inline double luminance(QRgb colour) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

// WCAG contrast ratio between two colours, 1 to 21.
inline double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The red of the red suits: strongly red, little green or blue.
inline bool isSuitRed(QRgb c) {
    return qRed(c) >= 150 && qGreen(c) <= 110 && qBlue(c) <= 90;
}

// The black of the black suits: dark and without a tint (the table green is not).
inline bool isSuitBlack(QRgb c) {
    const int high = std::max({qRed(c), qGreen(c), qBlue(c)});
    const int low = std::min({qRed(c), qGreen(c), qBlue(c)});
    return high <= 60 && high - low <= 16;
}

inline bool isSuitInk(QRgb c) {
    return isSuitRed(c) || isSuitBlack(c);
}

// A dark green: green leads, and it is dark.
inline bool isDarkGreen(QRgb c) {
    return qGreen(c) > qRed(c) + 15 && qGreen(c) > qBlue(c) && luminance(c) < 0.06;
}

// The cream of the cards: light and warm.
inline bool isCream(QRgb c) {
    return qRed(c) >= 225 && qGreen(c) >= 215 && qBlue(c) >= 180 && qRed(c) >= qBlue(c);
}

// The lattice on the card back: a muted mid green.
inline bool isGreyGreen(QRgb c) {
    const double l = luminance(c);
    return qGreen(c) > qRed(c) && qGreen(c) >= qBlue(c) && qGreen(c) - qRed(c) <= 50 && l > 0.06 &&
           l < 0.45;
}

// The gold of the tags: bright, red over green over blue.
inline bool isGold(QRgb c) {
    return qRed(c) >= 150 && qRed(c) >= qGreen(c) && qGreen(c) > qBlue(c) + 40;
}

// The dark brown of the tags' lettering.
inline bool isDarkBrown(QRgb c) {
    return qRed(c) <= 90 && qRed(c) > qBlue(c) && luminance(c) < 0.05;
}

// How many pixels of the area (clipped to the image) satisfy the predicate.
inline int count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    const QRect clipped = area & image.rect();
    int result = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            result += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return result;
}

// The lowest contrast between a text colour and any pixel of the area.
inline double lowestContrast(const QImage& image, const QRect& area, QRgb text) {
    double lowest = 21.0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            lowest = std::min(lowest, contrast(image.pixel(x, y), text));
        }
    }
    return lowest;
}

// A rectangle from inclusive pixel bounds, as layouts are usually given.
inline QRect span(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Where the window places a control over one of its pictures, in that picture's pixels: both
// controls in the same container.
inline QRect placeOver(std::string_view control, std::string_view picture) {
    const game::Rect c = game::toPixels(game::design::control(control).twips);
    const game::Rect p = game::toPixels(game::design::control(picture).twips);
    return QRect(c.left - p.left, c.top - p.top, c.width, c.height);
}

} // namespace picture_probe
