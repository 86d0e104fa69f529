// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every picture: its size in the catalogue, opaque 24-bit pixels, and nothing for Picture::None.

#include "assets/pictures/artwork.h"
#include "tests/assets/picture_probe.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PictureFormat : public testing::TestWithParam<game::PictureInfo> {};

TEST_P(PictureFormat, HasItsCatalogueSize) {
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

INSTANTIATE_TEST_SUITE_P(AllPictures, PictureFormat, testing::ValuesIn(game::kPictures),
                         [](const testing::TestParamInfo<game::PictureInfo>& info) {
                             std::string name(info.param.name);
                             std::erase(name, '-');
                             return name;
                         });

TEST(PictureFormat, NoneHasNoPixels) {
    EXPECT_TRUE(assets::pictureImage(game::Picture::None).isNull());
}

TEST(PictureFormat, EveryPictureIsDistinct) {
    for (const game::PictureInfo& a : game::kPictures) {
        for (const game::PictureInfo& b : game::kPictures) {
            if (a.picture != b.picture) {
                EXPECT_NE(assets::pictureImage(a.picture), assets::pictureImage(b.picture))
                    << a.name << " and " << b.name;
            }
        }
    }
}

} // namespace
