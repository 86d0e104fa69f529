// Every picture: its exact size, opaque 24-bit pixels, and nothing for Picture::None.

#include "assets/pictures/artwork.h"
#include "tests/assets/picture_probe.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct PictureSize {
    game::Picture picture;
    const char* name;
    int width;
    int height;
};

void PrintTo(const PictureSize& size, std::ostream* out) {
    *out << size.name;
}

const PictureSize kSizes[] = {
    {game::Picture::CardBack, "CardBack", 51, 78},
    {game::Picture::Hearts, "Hearts", 51, 78},
    {game::Picture::Spades, "Spades", 51, 78},
    {game::Picture::Clubs, "Clubs", 52, 78},
    {game::Picture::Diamonds, "Diamonds", 51, 78},
    {game::Picture::DealerTag, "DealerTag", 37, 14},
    {game::Picture::PickTag, "PickTag", 36, 14},
    {game::Picture::Banner, "Banner", 320, 22},
    {game::Picture::TableBackground, "TableBackground", 320, 219},
};

class PictureFormat : public testing::TestWithParam<PictureSize> {};

TEST_P(PictureFormat, HasItsExactSize) {
    const QImage image = assets::pictureImage(GetParam().picture);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), GetParam().width);
    EXPECT_EQ(image.height(), GetParam().height);
}

TEST_P(PictureFormat, IsOpaqueRgb32) {
    const QImage image = assets::pictureImage(GetParam().picture);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_FALSE(image.hasAlphaChannel());
    EXPECT_EQ(picture_probe::count(image, image.rect(), [](QRgb c) { return qAlpha(c) != 255; }),
              0);
}

TEST_P(PictureFormat, IsTheSameOnEveryCall) {
    EXPECT_EQ(assets::pictureImage(GetParam().picture), assets::pictureImage(GetParam().picture));
}

INSTANTIATE_TEST_SUITE_P(AllPictures, PictureFormat, testing::ValuesIn(kSizes),
                         [](const testing::TestParamInfo<PictureSize>& info) {
                             return std::string(info.param.name);
                         });

TEST(PictureFormat, NoneHasNoPixels) {
    EXPECT_TRUE(assets::pictureImage(game::Picture::None).isNull());
}

TEST(PictureFormat, EveryPictureIsDistinct) {
    for (const PictureSize& a : kSizes) {
        for (const PictureSize& b : kSizes) {
            if (a.picture != b.picture) {
                EXPECT_NE(assets::pictureImage(a.picture), assets::pictureImage(b.picture))
                    << a.name << " and " << b.name;
            }
        }
    }
}

} // namespace
