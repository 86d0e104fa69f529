// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The application icon: every size the build renders, each PNG exactly its size, transparent
// outside the cards, and showing the cream card and the red heart even at 16 pixels.

#include "tests/assets/picture_probe.h"
#include "ui/icon/app_icon.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

namespace {

using picture_probe::count;

// Every size rendered and installed, and those of them the window carries.
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kWindowSizes[] = {16, 22, 24, 32, 48, 64};

// The PNG the build renders at a size, which is installed into the icon theme.
QImage iconPng(int size) {
    return QImage(QStringLiteral(VANTRELLO_ICON_PNG_DIR "/vantrello-%1.png").arg(size));
}

bool isClear(QRgb c) {
    return qAlpha(c) == 0;
}

class ApplicationIcon : public testing::Test {
  protected:
    // An icon holds pixmaps, which need a QGuiApplication; the offscreen platform needs no
    // display. QGuiApplication takes the options it reads out of argv, so each suite that makes
    // one gives them afresh.
    static void SetUpTestSuite() {
        static char name[] = "test_pictures";
        static char option[] = "-platform";
        static char platform[] = "offscreen";
        argv = {name, option, platform, nullptr};
        argc = 3;
        application = std::make_unique<QGuiApplication>(argc, argv.data());
    }
    static void TearDownTestSuite() { application.reset(); }

    static inline int argc = 0;
    static inline std::array<char*, 4> argv{};
    static inline std::unique_ptr<QGuiApplication> application;
};

class IconSize : public ApplicationIcon, public testing::WithParamInterface<int> {};

TEST_F(ApplicationIcon, OffersExactlyTheWindowsSizes) {
    QList<QSize> sizes = ui::applicationIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    QList<QSize> expected;
    for (const int size : kWindowSizes) {
        expected.append(QSize(size, size));
    }
    EXPECT_EQ(sizes, expected);
}

TEST_P(IconSize, IsItsOwnSizeWithAnAlphaChannel) {
    const int size = GetParam();
    const QImage png = iconPng(size);
    EXPECT_EQ(png.size(), QSize(size, size));
    EXPECT_TRUE(png.hasAlphaChannel());
}

class WindowIconSize : public ApplicationIcon, public testing::WithParamInterface<int> {};

// The window's icon shows what the icon theme shows, pixel for pixel.
TEST_P(WindowIconSize, IsTheInstalledPng) {
    const int size = GetParam();
    const QImage png = iconPng(size);
    ASSERT_EQ(png.size(), QSize(size, size));
    EXPECT_EQ(ui::applicationIcon().pixmap(size).toImage().convertToFormat(png.format()), png);
}

INSTANTIATE_TEST_SUITE_P(EverySize, WindowIconSize, testing::ValuesIn(kWindowSizes),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Px" + std::to_string(info.param);
                         });

// The pixels wholly inside an area given in sixteenths of the icon's side, left to right and top
// to bottom (the grid the smallest icon is drawn on).
QRect sixteenths(int n, int left, int top, int right, int bottom) {
    const auto inward = [n](int sixteenth) { return (sixteenth * n + 15) / 16; };
    const auto outward = [n](int sixteenth) { return sixteenth * n / 16; };
    return QRect(QPoint(inward(left), inward(top)),
                 QPoint(outward(right) - 1, outward(bottom) - 1));
}

TEST_P(IconSize, IsTransparentBesideTheCards) {
    const int n = GetParam();
    const QImage png = iconPng(n);
    // The back card stands to the upper left, the heart card to the lower right: the top right
    // and bottom left corners of the square stay empty, and the middle is covered.
    const QRect topRight = sixteenths(n, 10, 0, 16, 2);
    const QRect bottomLeft = sixteenths(n, 0, 14, 5, 16);
    EXPECT_EQ(count(png, topRight, isClear), topRight.width() * topRight.height());
    EXPECT_EQ(count(png, bottomLeft, isClear), bottomLeft.width() * bottomLeft.height());
    EXPECT_EQ(qAlpha(png.pixel(n / 2, n / 2)), 255);
}

TEST_P(IconSize, ShowsTheCreamCardAndTheRedHeart) {
    const int n = GetParam();
    const QImage png = iconPng(n).convertToFormat(QImage::Format_ARGB32);
    const auto opaque = [](bool (*colour)(QRgb)) {
        return [colour](QRgb c) { return qAlpha(c) == 255 && colour(c); };
    };
    EXPECT_GE(count(png, png.rect(), opaque(picture_probe::isCream)), n * n / 8);
    EXPECT_GE(count(png, png.rect(), opaque(picture_probe::isSuitRed)), n * n / 16);
}

INSTANTIATE_TEST_SUITE_P(EverySize, IconSize, testing::ValuesIn(kSizes),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Px" + std::to_string(info.param);
                         });

} // namespace
