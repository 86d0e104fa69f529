// The table background under the window's cards and labels: white card frames on flat table
// green, plates dark enough for the numbers written on them, a white speech cloud around the
// explorer's word and a dark strip under the notice.

#include "assets/pictures/artwork.h"
#include "tests/assets/picture_probe.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using picture_probe::count;
using picture_probe::span;

constexpr int kFrameTop = 38;
constexpr int kFrameWidth = 49;
constexpr int kFrameHeight = 76;
constexpr int kFrameLefts[] = {26, 82, 138, 194, 250};

class TableBackground : public testing::Test {
  protected:
    QImage table = assets::pictureImage(game::Picture::TableBackground);
    QRgb green = table.pixel(78, 75);

    int countColour(const QRect& area, QRgb colour) const {
        return count(table, area, [colour](QRgb c) { return c == colour; });
    }
};

class CardFrame : public TableBackground, public testing::WithParamInterface<int> {
  protected:
    int left = GetParam();
    int right = GetParam() + kFrameWidth - 1;
    int bottom = kFrameTop + kFrameHeight - 1;
};

TEST_P(CardFrame, EdgesAreWhite) {
    const QRgb white = qRgb(255, 255, 255);
    // The straight part of each edge; the corners are slightly rounded.
    EXPECT_EQ(countColour(span(left, kFrameTop + 3, left, bottom - 3), white), kFrameHeight - 6);
    EXPECT_EQ(countColour(span(right, kFrameTop + 3, right, bottom - 3), white), kFrameHeight - 6);
    EXPECT_EQ(countColour(span(left + 3, kFrameTop, right - 3, kFrameTop), white), kFrameWidth - 6);
    EXPECT_EQ(countColour(span(left + 3, bottom, right - 3, bottom), white), kFrameWidth - 6);
}

TEST_P(CardFrame, TableGreenJustOutside) {
    EXPECT_EQ(countColour(span(left - 1, kFrameTop - 1, left - 1, bottom + 1), green),
              kFrameHeight + 2);
    EXPECT_EQ(countColour(span(right + 1, kFrameTop - 1, right + 1, bottom + 1), green),
              kFrameHeight + 2);
    EXPECT_EQ(countColour(span(left, kFrameTop - 1, right, kFrameTop - 1), green), kFrameWidth);
    EXPECT_EQ(countColour(span(left, bottom + 1, right, bottom + 1), green), kFrameWidth);
}

INSTANTIATE_TEST_SUITE_P(FiveSlots, CardFrame, testing::ValuesIn(kFrameLefts));

TEST_F(TableBackground, FlatGreenBetweenTheFrames) {
    EXPECT_TRUE(picture_probe::isDarkGreen(green));
    for (int slot = 0; slot + 1 < 5; ++slot) {
        const QRect gap = span(kFrameLefts[slot] + kFrameWidth, kFrameTop,
                               kFrameLefts[slot + 1] - 1, kFrameTop + kFrameHeight - 1);
        EXPECT_EQ(countColour(gap, green), gap.width() * gap.height()) << "after slot " << slot;
    }
}

TEST_F(TableBackground, CloudIsWhiteUnderTheExplorersWord) {
    const QRect word = span(86, 138, 127, 155);
    EXPECT_EQ(countColour(word, qRgb(255, 255, 255)), word.width() * word.height());
}

// Where the window writes on the background, the text must stand out from every pixel.
struct Writing {
    const char* name;
    QRect area;
    QRgb colour;
    double minimumContrast;
};

void PrintTo(const Writing& writing, std::ostream* out) {
    *out << writing.name;
}

const Writing kWritings[] = {
    // The step: olive, right-aligned in 121..201, up to seven digits, from row 17.
    {"Step", span(146, 19, 201, 29), qRgb(192, 192, 0), 7.0},
    // The doubled amount: yellow, centred in 216..296, up to seven digits, from row 195.
    {"Doubled", span(226, 196, 287, 209), qRgb(255, 255, 0), 7.0},
    // The notice: small white text along the bottom.
    {"Notice", span(0, 209, 200, 218), qRgb(255, 255, 255), 7.0},
};

class WritingOnTable : public TableBackground, public testing::WithParamInterface<Writing> {};

TEST_P(WritingOnTable, StandsOutFromTheBackground) {
    EXPECT_GE(picture_probe::lowestContrast(table, GetParam().area, GetParam().colour),
              GetParam().minimumContrast);
}

INSTANTIATE_TEST_SUITE_P(Labels, WritingOnTable, testing::ValuesIn(kWritings),
                         [](const testing::TestParamInfo<Writing>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(TableBackground, StepPlateEndsAboveTheCards) {
    // The step plate's dark face lies under the step; rows from 37 on belong to the cards.
    EXPECT_LT(picture_probe::luminance(table.pixel(190, 24)), 0.02);
    EXPECT_EQ(countColour(span(121, 37, 202, 37), green), 202 - 121 + 1);
}

} // namespace
