// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The banner's three plates lie under the window's white values, and their gold captions keep
// clear of the widest values.

#include "tests/assets/picture_probe.h"
#include "ui/pictures/artwork.h"

#include <gtest/gtest.h>

namespace {

using picture_probe::count;
using picture_probe::span;

// Each value label's box over the banner. Its white digits come right-aligned, at most seven
// of them (about 56 pixels), in rows 6..16 of the banner.
class BannerPlate : public testing::TestWithParam<const char*> {
  protected:
    QImage banner = ui::pictureImage(game::Picture::Banner);
    QRect box = picture_probe::placeOver(GetParam(), "Image1");
};

TEST_P(BannerPlate, WhiteValueStandsOutEverywhereItMayReach) {
    const QRect digits = span(box.right() - 55, 6, box.right(), 16);
    EXPECT_GE(picture_probe::lowestContrast(banner, digits, qRgb(255, 255, 255)), 10.0);
}

TEST_P(BannerPlate, GoldCaptionSitsLeftOfTheValue) {
    const QRect caption = span(box.left(), 4, box.left() + 23, 16);
    EXPECT_GE(count(banner, caption, picture_probe::isGold), 20);
}

TEST_P(BannerPlate, PlateIsEdgedInGold) {
    // The rim's top row runs above the box.
    EXPECT_GE(count(banner, span(box.left(), 1, box.right(), 1), picture_probe::isGold), 75);
}

INSTANTIATE_TEST_SUITE_P(ThreeValues, BannerPlate,
                         testing::Values("LabelTotalBet", "LabelTotalWin", "LabelCredit"));

TEST(Banner, IsADarkGreenStripBetweenThePlates) {
    const QImage banner = ui::pictureImage(game::Picture::Banner);
    const QRect gap = span(110, 2, 124, 19);
    EXPECT_GE(count(banner, gap, picture_probe::isDarkGreen), gap.width() * gap.height() / 4);
}

} // namespace
