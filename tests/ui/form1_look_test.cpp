// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window draws on a scaled screen: each picture from the art made for that scale, one
// art pixel to a device pixel, and between those scales the next larger art, drawn smaller.
#include "tests/ui/window_fixture.h"
#include "ui/picture_book.h"
#include "ui/pictures/artwork.h"

#include <QPainter>

namespace ui::testing {
namespace {

// The widget drawn as on a screen of the given scale, into device pixels.
QImage drawnAt(QWidget* widget, double ratio, QRgb background) {
    QImage canvas(game::devicePixels(widget->width(), ratio),
                  game::devicePixels(widget->height(), ratio), QImage::Format_RGB32);
    canvas.fill(background);
    canvas.setDevicePixelRatio(ratio);
    widget->render(&canvas);
    canvas.setDevicePixelRatio(1);
    return canvas;
}

// The device pixels that lie wholly inside the widget at the scale.
QRect whollyInside(const QWidget* widget, double ratio) {
    return QRect(0, 0, static_cast<int>(widget->width() * ratio),
                 static_cast<int>(widget->height() * ratio));
}

int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF) ? 1 : 0;
        }
    }
    return differing;
}

// The controls that show each kind of picture: a card back, the faces, the tags, the banner
// and the table.
const char* const kImages[] = {"Short2",         "Card1",        "ImageCardPic",
                               "ImageCardKrest", "ImageCardBub", "ImageDealer",
                               "ImagePick",      "Image1",       "Image2"};

TEST(Form1Look, EveryScaleDrawsTheArtMadeForItPixelForPixel) {
    ScriptedWindow w;
    for (const char* name : kImages) {
        ImageWidget* image = w.image(name);
        for (const double ratio : game::kPictureRatios) {
            const QImage art = ui::pictureImage(image->picture(), ratio);
            ASSERT_FALSE(art.isNull()) << name << " at " << ratio;
            // A device pixel that the picture's edge only partly covers is its container's to
            // paint.
            const QRect inside = whollyInside(image, ratio);
            EXPECT_EQ(differingPixels(drawnAt(image, ratio, qRgb(255, 0, 255)).copy(inside),
                                      art.copy(inside)),
                      0)
                << name << " at " << ratio;
        }
    }
}

TEST(Form1Look, BetweenTheScalesTheNextLargerArtIsDrawnToSize) {
    ScriptedWindow w;
    for (const char* name : kImages) {
        ImageWidget* image = w.image(name);
        for (const double ratio : {1.1, 1.4, 2.25, 4.0}) {
            // Drawn over two backgrounds: the picture covers its whole rectangle either way.
            const QImage onBlack = drawnAt(image, ratio, qRgb(0, 0, 0));
            const QImage onWhite = drawnAt(image, ratio, qRgb(255, 255, 255));
            const QRect inside = whollyInside(image, ratio);
            EXPECT_EQ(differingPixels(onBlack.copy(inside), onWhite.copy(inside)), 0)
                << name << " at " << ratio << " leaves a gap";
        }
    }
}

TEST(PictureBook, PicksTheArtOfTheScaleOrTheNextLarger) {
    const PictureBook book;
    const struct {
        double screen;
        double art;
    } cases[] = {{0.75, 1.0}, {1.0, 1.0},  {1.1, 1.25},  {1.25, 1.25}, {1.3, 1.5},
                 {1.5, 1.5},  {1.6, 1.75}, {1.75, 1.75}, {1.9, 2.0},   {2.0, 2.0},
                 {2.25, 2.5}, {2.5, 2.5},  {2.75, 3.0},  {3.0, 3.0},   {4.0, 3.0}};
    for (const auto& c : cases) {
        const PictureBook::Art art = book.art(game::Picture::Banner, c.screen);
        EXPECT_EQ(art.ratio, c.art) << "screen at " << c.screen;
        EXPECT_EQ(art.image->width(), game::devicePixels(320, c.art)) << "screen at " << c.screen;
    }
    EXPECT_TRUE(book.art(game::Picture::None, 2).image->isNull());
}

TEST(PictureBook, HoldsEveryPictureAtEveryScaleWithoutCopying) {
    const PictureBook book;
    for (const game::PictureInfo& info : game::kPictures) {
        for (const double ratio : game::kPictureRatios) {
            const QImage& image = *book.art(info.picture, ratio).image;
            EXPECT_EQ(image.size(), QSize(game::devicePixels(info.width, ratio),
                                          game::devicePixels(info.height, ratio)))
                << info.name << " at " << ratio;
            // The image reads the program's embedded pixels where they lie.
            EXPECT_EQ(image.constBits(), ui::pictureImage(info.picture, ratio).constBits())
                << info.name << " at " << ratio;
        }
    }
}

} // namespace
} // namespace ui::testing
