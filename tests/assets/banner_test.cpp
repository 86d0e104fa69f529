// The banner's three plates lie under the window's white values, and their gold captions keep
// clear of the widest values.

#include "assets/pictures/artwork.h"
#include "tests/assets/picture_probe.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using picture_probe::count;
using picture_probe::span;

// A value label's box starts at these banner columns and is 81 wide. Its white digits come
// right-aligned, at most seven of them (about 56 pixels), in rows 6..16.
struct ValuePlate {
    const char* name;
    int boxLeft;
};

void PrintTo(const ValuePlate& plate, std::ostream* out) {
    *out << plate.name;
}

const ValuePlate kPlates[] = {{"TotalBet", 24}, {"TotalWin", 130}, {"Credit", 226}};

class BannerPlate : public testing::TestWithParam<ValuePlate> {
  protected:
    QImage banner = assets::pictureImage(game::Picture::Banner);
    int boxRight = GetParam().boxLeft + 80;
};

TEST_P(BannerPlate, WhiteValueStandsOutEverywhereItMayReach) {
    const QRect digits = span(boxRight - 55, 6, boxRight, 16);
    EXPECT_GE(picture_probe::lowestContrast(banner, digits, qRgb(255, 255, 255)), 10.0);
}

TEST_P(BannerPlate, GoldCaptionSitsLeftOfTheValue) {
    const QRect caption = span(GetParam().boxLeft, 4, GetParam().boxLeft + 23, 16);
    EXPECT_GE(count(banner, caption, picture_probe::isGold), 20);
}

TEST_P(BannerPlate, PlateIsEdgedInGold) {
    // The rim's top row runs above the box.
    EXPECT_GE(count(banner, span(GetParam().boxLeft, 1, boxRight, 1), picture_probe::isGold), 75);
}

INSTANTIATE_TEST_SUITE_P(ThreeValues, BannerPlate, testing::ValuesIn(kPlates),
                         [](const testing::TestParamInfo<ValuePlate>& info) {
                             return std::string(info.param.name);
                         });

TEST(Banner, IsADarkGreenStripBetweenThePlates) {
    const QImage banner = assets::pictureImage(game::Picture::Banner);
    const QRect gap = span(110, 2, 124, 19);
    EXPECT_GE(count(banner, gap, picture_probe::isDarkGreen), gap.width() * gap.height() / 4);
}

} // namespace
