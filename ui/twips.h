// Positions and sizes are designed in twips, 15 to the pixel at 96 dots per inch.
#pragma once

#include <QRect>
#include <cmath>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

inline int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QRect twipRect(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace ui
