// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window draws: pictures never blur when the screen is scaled.
#include "tests/ui/window_fixture.h"

#include <QPainter>
#include <cmath>
#include <set>

namespace ui::testing {
namespace {

std::set<QRgb> colours(const QImage& image) {
    std::set<QRgb> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            found.insert(image.pixel(x, y) | 0xFF000000u);
        }
    }
    return found;
}

TEST(Form1Look, PicturesScaleWithoutBlurring) {
    ScriptedWindow w;
    for (const char* name : {"Short2", "Card1", "ImageDealer", "Image1"}) {
        ImageWidget* image = w.image(name);
        const std::set<QRgb> original = colours(image->pixmap().toImage());
        for (qreal ratio : {1.25, 1.5, 2.0}) {
            QImage canvas(std::ceil(image->width() * ratio), std::ceil(image->height() * ratio),
                          QImage::Format_RGB32);
            canvas.setDevicePixelRatio(ratio);
            canvas.fill(Qt::black);
            image->render(&canvas);
            canvas.setDevicePixelRatio(1);
            // Nearest-neighbour scaling only repeats pixels: no new, blended colours.
            const QImage inside = canvas.copy(0, 0, std::floor(image->width() * ratio),
                                              std::floor(image->height() * ratio));
            for (QRgb c : colours(inside)) {
                EXPECT_TRUE(original.count(c))
                    << name << " at " << ratio << ": blended colour " << std::hex << c;
                if (!original.count(c)) {
                    break;
                }
            }
        }
    }
}

} // namespace
} // namespace ui::testing
