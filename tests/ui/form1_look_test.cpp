// What the window draws: dealt cards cover the painted frames, pictures never blur.
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

TEST(Form1Look, CardsCoverThePaintedFramesWithAPixelToSpare) {
    ScriptedWindow w;
    // The table picture's white frames: 49 x 76 pixels at these left edges, top 38.
    const int frameLeft[5] = {26, 82, 138, 194, 250};
    for (int slot = 1; slot <= 5; ++slot) {
        const QRect frame(frameLeft[slot - 1], 38, 49, 76);
        const auto n = std::to_string(slot);
        const QRect card = w.find(("Card" + n).c_str())->geometry();
        const QRect back = w.find(("Short" + n).c_str())->geometry();
        EXPECT_TRUE(card.contains(frame.adjusted(-1, -1, 1, 1))) << slot;
        EXPECT_TRUE(back.contains(frame.adjusted(-1, -1, 1, 1))) << slot;
    }
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
