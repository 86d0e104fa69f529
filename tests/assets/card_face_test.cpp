// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The four faces share one layout: the window's rank text stands on plain card in the top-left
// corner, the suit symbols stand in their boxes in the suit's colour, and the corners (and the
// clubs face's extra column) are the table's green.

#include "tests/assets/picture_probe.h"
#include "ui/pictures/artwork.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using picture_probe::count;
using picture_probe::span;

const QRect kSmallSymbolBox = span(4, 24, 12, 40);
const QRect kLargeSymbolBox = span(11, 46, 38, 75); // about 12..37 by 47..74
const QPoint kBetweenFrames(78, 75);                // table green between card frames 1 and 2

struct Face {
    game::Picture picture;
    const char* name;
    bool red;
};

void PrintTo(const Face& face, std::ostream* out) {
    *out << face.name;
}

const Face kFaces[] = {
    {game::Picture::Hearts, "Hearts", true},
    {game::Picture::Spades, "Spades", false},
    {game::Picture::Clubs, "Clubs", false},
    {game::Picture::Diamonds, "Diamonds", true},
};

QRgb tableGreen() {
    return ui::pictureImage(game::Picture::TableBackground).pixel(kBetweenFrames);
}

class CardFace : public testing::TestWithParam<Face> {
  protected:
    QImage face = ui::pictureImage(GetParam().picture);
    std::function<bool(QRgb)> ownInk =
        GetParam().red ? picture_probe::isSuitRed : picture_probe::isSuitBlack;
    std::function<bool(QRgb)> otherInk =
        GetParam().red ? picture_probe::isSuitBlack : picture_probe::isSuitRed;
};

TEST_P(CardFace, TopRowsHoldNoSymbol) {
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(count(face, span(0, 0, face.width() - 1, 23), picture_probe::isSuitInk), 0);
}

TEST_P(CardFace, RankCornerIsPlainCard) {
    // The rank text's 25-pixel square, less the card's round corner and edge.
    EXPECT_EQ(count(face, span(4, 4, 24, 23), picture_probe::isCream), 21 * 20);
}

TEST_P(CardFace, SymbolsStandInTheirBoxesInTheSuitColour) {
    EXPECT_GE(count(face, kSmallSymbolBox, ownInk), 30);
    EXPECT_GE(count(face, kLargeSymbolBox, ownInk), 200);
    EXPECT_EQ(count(face, face.rect(), otherInk), 0);
    const int inBoxes = count(face, kSmallSymbolBox, ownInk) + count(face, kLargeSymbolBox, ownInk);
    EXPECT_EQ(count(face, face.rect(), ownInk), inBoxes) << "suit colour outside the boxes";
}

TEST_P(CardFace, CornersAreTableGreen) {
    const QRgb green = tableGreen();
    EXPECT_TRUE(picture_probe::isDarkGreen(green));
    for (const QPoint corner : {QPoint(0, 0), QPoint(50, 0), QPoint(0, 77), QPoint(50, 77)}) {
        EXPECT_EQ(face.pixel(corner), green) << corner.x() << "," << corner.y();
    }
}

TEST_P(CardFace, SharesTheLayoutOfTheHeartsFace) {
    const QImage hearts = ui::pictureImage(game::Picture::Hearts);
    int differences = 0;
    for (int y = 0; y < 78; ++y) {
        for (int x = 0; x < 51; ++x) {
            const QPoint p(x, y);
            if (!kSmallSymbolBox.contains(p) && !kLargeSymbolBox.contains(p)) {
                differences += face.pixel(p) != hearts.pixel(p) ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(AllFaces, CardFace, testing::ValuesIn(kFaces),
                         [](const testing::TestParamInfo<Face>& info) {
                             return std::string(info.param.name);
                         });

TEST(ClubsFace, ExtraColumnIsTableGreen) {
    const QImage clubs = ui::pictureImage(game::Picture::Clubs);
    ASSERT_EQ(clubs.width(), 52);
    const QRgb green = tableGreen();
    EXPECT_EQ(count(clubs, span(51, 0, 51, 77), [green](QRgb c) { return c == green; }), 78);
}

TEST(CardBack, IsACreamCardWithAGreyGreenLattice) {
    const QImage back = ui::pictureImage(game::Picture::CardBack);
    const QRect middle = span(6, 6, 44, 71);
    const int area = middle.width() * middle.height();
    EXPECT_GE(count(back, middle, picture_probe::isGreyGreen), area / 5);
    EXPECT_GE(count(back, middle, picture_probe::isCream), area / 3);
    EXPECT_GE(count(back, span(1, 30, 3, 50), picture_probe::isCream), 3 * 21); // border
}

TEST(CardBack, CornersAreTableGreen) {
    const QImage back = ui::pictureImage(game::Picture::CardBack);
    const QRgb green = tableGreen();
    for (const QPoint corner : {QPoint(0, 0), QPoint(50, 0), QPoint(0, 77), QPoint(50, 77)}) {
        EXPECT_EQ(back.pixel(corner), green) << corner.x() << "," << corner.y();
    }
}

TEST(CardBack, LatticeIsSymmetricLeftToRight) {
    const QImage lattice = ui::pictureImage(game::Picture::CardBack).copy(span(4, 4, 46, 73));
    EXPECT_EQ(lattice, lattice.mirrored(true, false));
}

} // namespace
