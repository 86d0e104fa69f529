// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The dealer and pick markers: gold tags lettered in dark brown.

#include "tests/assets/picture_probe.h"
#include "ui/pictures/artwork.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>

namespace {

using picture_probe::count;

struct Tag {
    game::Picture picture;
    const char* name;
    int minimumLetterPixels;
};

void PrintTo(const Tag& tag, std::ostream* out) {
    *out << tag.name;
}

const Tag kTags[] = {{game::Picture::DealerTag, "Dealer", 60},
                     {game::Picture::PickTag, "Pick", 35}};

class MarkerTag : public testing::TestWithParam<Tag> {};

TEST_P(MarkerTag, IsGoldLetteredInDarkBrown) {
    const QImage tag = ui::pictureImage(GetParam().picture);
    const int area = tag.width() * tag.height();
    EXPECT_GE(count(tag, tag.rect(), picture_probe::isGold), area / 2);
    EXPECT_GE(count(tag, tag.rect(), picture_probe::isDarkBrown), GetParam().minimumLetterPixels);
}

TEST_P(MarkerTag, LetteringIsCentred) {
    const QImage tag = ui::pictureImage(GetParam().picture);
    const int half = tag.width() / 2;
    const int left =
        count(tag, picture_probe::span(2, 2, half - 1, 11), picture_probe::isDarkBrown);
    const int right = count(tag, picture_probe::span(tag.width() - half, 2, tag.width() - 3, 11),
                            picture_probe::isDarkBrown);
    EXPECT_GT(left, 0);
    EXPECT_GT(right, 0);
    EXPECT_LE(std::abs(left - right), (left + right) / 3);
}

INSTANTIATE_TEST_SUITE_P(BothTags, MarkerTag, testing::ValuesIn(kTags),
                         [](const testing::TestParamInfo<Tag>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
