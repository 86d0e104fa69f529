// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The table background under the window's cards and labels: white card frames on flat table
// green, plates dark enough for the numbers written on them, a white speech cloud around the
// explorer's word and a dark strip under the notice.

#include "tests/assets/picture_probe.h"
#include "ui/pictures/artwork.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using picture_probe::count;
using picture_probe::span;

// The painted frame under a card: one pixel in from the card all round.
QRect frameUnder(int slot) {
    return picture_probe::placeOver(game::design::slotName("Card", slot), "Image2")
        .adjusted(1, 1, -1, -1);
}

class TableBackground : public testing::Test {
  protected:
    QImage table = ui::pictureImage(game::Picture::TableBackground);
    QRgb green = table.pixel(frameUnder(1).right() + 2, frameUnder(1).center().y());

    int countColour(const QRect& area, QRgb colour) const {
        return count(table, area, [colour](QRgb c) { return c == colour; });
    }
};

class CardFrame : public TableBackground, public testing::WithParamInterface<int> {
  protected:
    QRect frame = frameUnder(GetParam());
    int left = frame.left();
    int right = frame.right();
    int top = frame.top();
    int bottom = frame.bottom();
};

TEST_P(CardFrame, EdgesAreWhite) {
    const QRgb white = qRgb(255, 255, 255);
    // The straight part of each edge; the corners are slightly rounded.
    EXPECT_EQ(countColour(span(left, top + 3, left, bottom - 3), white), frame.height() - 6);
    EXPECT_EQ(countColour(span(right, top + 3, right, bottom - 3), white), frame.height() - 6);
    EXPECT_EQ(countColour(span(left + 3, top, right - 3, top), white), frame.width() - 6);
    EXPECT_EQ(countColour(span(left + 3, bottom, right - 3, bottom), white), frame.width() - 6);
}

TEST_P(CardFrame, TableGreenJustOutside) {
    EXPECT_EQ(countColour(span(left - 1, top - 1, left - 1, bottom + 1), green),
              frame.height() + 2);
    EXPECT_EQ(countColour(span(right + 1, top - 1, right + 1, bottom + 1), green),
              frame.height() + 2);
    EXPECT_EQ(countColour(span(left, top - 1, right, top - 1), green), frame.width());
    EXPECT_EQ(countColour(span(left, bottom + 1, right, bottom + 1), green), frame.width());
}

INSTANTIATE_TEST_SUITE_P(FiveSlots, CardFrame, testing::Range(1, 6));

TEST_F(TableBackground, FlatGreenBetweenTheFrames) {
    EXPECT_TRUE(picture_probe::isDarkGreen(green));
    for (int slot = 1; slot < 5; ++slot) {
        const QRect gap = span(frameUnder(slot).right() + 1, frameUnder(slot).top(),
                               frameUnder(slot + 1).left() - 1, frameUnder(slot).bottom());
        EXPECT_EQ(countColour(gap, green), gap.width() * gap.height()) << "after slot " << slot;
    }
}

TEST_F(TableBackground, CloudIsWhiteUnderTheExplorersWord) {
    const QRect word = picture_probe::placeOver("Label3", "Image2");
    EXPECT_EQ(countColour(word, qRgb(255, 255, 255)), word.width() * word.height());
}

// Where the window writes on the background, the text must stand out from every pixel its
// glyphs may reach: `reach` columns (aligned as the label aligns) and rows `firstRow` to
// `lastRow` of the label's box.
struct Writing {
    const char* label;
    int reach;
    int firstRow;
    int lastRow;
    double minimumContrast;
};

void PrintTo(const Writing& writing, std::ostream* out) {
    *out << writing.label;
}

const Writing kWritings[] = {
    // Up to seven digits of the step and the doubled amount, and the one-line notice.
    {"LabelStep", 56, 2, 12, 7.0},
    {"LabelDouble", 62, 1, 14, 7.0},
    {"Label4", 201, 1, 16, 7.0},
};

class WritingOnTable : public TableBackground, public testing::WithParamInterface<Writing> {};

TEST_P(WritingOnTable, StandsOutFromTheBackground) {
    const Writing& writing = GetParam();
    const game::design::Control& label = game::design::control(writing.label);
    const QRect box = picture_probe::placeOver(writing.label, "Image2");
    int left = box.left();
    if (label.align == game::design::Align::Right) {
        left = box.right() + 1 - writing.reach;
    } else if (label.align == game::design::Align::Centre) {
        left = box.left() + (box.width() - writing.reach + 1) / 2;
    }
    const QRect area = span(left, box.top() + writing.firstRow, left + writing.reach - 1,
                            box.top() + writing.lastRow);
    const QRgb colour = label.fore;
    // The design's colours are packed red-first; QRgb is blue-first.
    const QRgb text = qRgb(qBlue(colour), qGreen(colour), qRed(colour));
    EXPECT_GE(picture_probe::lowestContrast(table, area, text), writing.minimumContrast);
}

INSTANTIATE_TEST_SUITE_P(Labels, WritingOnTable, testing::ValuesIn(kWritings),
                         [](const testing::TestParamInfo<Writing>& info) {
                             return std::string(info.param.label);
                         });

TEST_F(TableBackground, StepPlateEndsAboveTheCards) {
    const QRect step = picture_probe::placeOver("LabelStep", "Image2");
    // The step plate's dark face lies under the step; the rows of the cards are table green.
    EXPECT_LT(picture_probe::luminance(table.pixel(step.right() - 11, step.top() + 7)), 0.02);
    const int cardsTop = frameUnder(1).top() - 1;
    EXPECT_EQ(countColour(span(step.left(), cardsTop, step.right() + 1, cardsTop), green),
              step.width() + 1);
}

} // namespace
