// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every picture is its own, and Picture::None has none.

#include "ui/pictures/artwork.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureFormat, NoneHasNoPixels) {
    EXPECT_TRUE(ui::pictureImage(game::Picture::None).isNull());
}

TEST(PictureFormat, EveryPictureIsDistinct) {
    for (const game::PictureInfo& a : game::kPictures) {
        for (const game::PictureInfo& b : game::kPictures) {
            if (a.picture != b.picture) {
                EXPECT_NE(ui::pictureImage(a.picture), ui::pictureImage(b.picture))
                    << a.name << " and " << b.name;
            }
        }
    }
}

} // namespace
