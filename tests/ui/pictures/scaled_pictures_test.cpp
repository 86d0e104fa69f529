// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures drawn for scaled screens: every picture at every scale, embedded as it will be
// drawn, is its 1x self enlarged; the card back keeps its tone; corners and small suits are smooth
// where there are device pixels enough, and pixel art at 1x.

#include "tests/assets/picture_probe.h"
#include "ui/pictures/artwork.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using game::kPictureRatios;

struct Scaled {
    game::PictureInfo info;
    double ratio;
};

std::vector<Scaled> everyPictureAtEveryScale() {
    std::vector<Scaled> all;
    for (const game::PictureInfo& info : game::kPictures) {
        for (const double ratio : kPictureRatios) {
            all.push_back({info, ratio});
        }
    }
    return all;
}

class ScaledPicture : public testing::TestWithParam<Scaled> {};

TEST_P(ScaledPicture, IsEmbeddedOpaque) {
    const auto& [info, ratio] = GetParam();
    const QImage image = ui::pictureImage(info.picture, ratio);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
    EXPECT_EQ(picture_probe::count(image, image.rect(), [](QRgb c) { return qAlpha(c) != 255; }),
              0);
    // The program's own bytes, the same on every call, and aligned for 32-bit reads.
    EXPECT_EQ(image.constBits(), ui::pictureImage(info.picture, ratio).constBits());
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(image.constBits()) % 4, 0u);
}

INSTANTIATE_TEST_SUITE_P(AllPictures, ScaledPicture, testing::ValuesIn(everyPictureAtEveryScale()),
                         [](const testing::TestParamInfo<Scaled>& info) {
                             std::string name(info.param.info.name);
                             std::erase(name, '-');
                             std::string scale = std::to_string(info.param.ratio);
                             scale.erase(scale.find_last_not_of('0') + 1);
                             std::replace(scale.begin(), scale.end(), '.', '_');
                             return name + "_at_" + scale;
                         });

TEST(ScaledPictures, OnlyTheScalesDrawnForAreThere) {
    for (const double ratio : {0.5, 1.1, 1.33, 4.0}) {
        EXPECT_TRUE(ui::pictureImage(game::Picture::Banner, ratio).isNull()) << ratio;
    }
}

// The device pixels wholly inside a rectangle of the layout at a scale.
QRect devicePixelsOf(const QRect& layout, double ratio) {
    const int left = static_cast<int>(std::ceil(layout.left() * ratio));
    const int top = static_cast<int>(std::ceil(layout.top() * ratio));
    const int right = static_cast<int>(std::floor((layout.right() + 1) * ratio));
    const int bottom = static_cast<int>(std::floor((layout.bottom() + 1) * ratio));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

double meanLuminance(const QImage& image, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            sum += picture_probe::luminance(image.pixel(x, y));
        }
    }
    return sum / (area.width() * area.height());
}

TEST(ScaledPictures, TheCardBackKeepsItsToneAtEveryScale) {
    // The lattice inside the frame line, 5..45 across and 5..72 down.
    const QRect lattice = picture_probe::span(5, 5, 45, 72);
    const double atOne = meanLuminance(ui::pictureImage(game::Picture::CardBack), lattice);
    for (const double ratio : kPictureRatios) {
        const QImage back = ui::pictureImage(game::Picture::CardBack, ratio);
        EXPECT_NEAR(meanLuminance(back, devicePixelsOf(lattice, ratio)), atOne, 0.02)
            << "at " << ratio;
    }
}

// Enlarged, each block of 4 by 4 pixels of a picture's layout keeps about its tone at 1x: on
// average 0.01 to 0.027 off as drawn, 0.036 and more read in rows one pixel short.
TEST(ScaledPictures, EachIsItsOneXSelfEnlarged) {
    for (const game::PictureInfo& info : game::kPictures) {
        const QImage one = ui::pictureImage(info.picture);
        for (const double ratio : kPictureRatios) {
            const QImage scaled = ui::pictureImage(info.picture, ratio);
            double difference = 0;
            int blocks = 0;
            for (int y = 0; y + 4 <= one.height(); y += 4) {
                for (int x = 0; x + 4 <= one.width(); x += 4, ++blocks) {
                    const QRect block(x, y, 4, 4);
                    difference += std::abs(meanLuminance(scaled, devicePixelsOf(block, ratio)) -
                                           meanLuminance(one, block));
                }
            }
            EXPECT_LT(difference / blocks, 0.032) << info.name << " at " << ratio;
        }
    }
}

const QRgb kTableGreen = qRgb(0x0e, 0x3b, 0x21);
const QRgb kCardEdge = qRgb(0x8c, 0x84, 0x68);
const QRgb kSuitRed = qRgb(0xd3, 0x42, 0x25);
const QRgb kSuitBlack = qRgb(0x1c, 0x1c, 0x1e);

struct Smoothness {
    const char* what;
    game::Picture picture;
    QRect area; // in the layout's pixels
    std::vector<QRgb> colours;
};

class SmoothAboveOneX : public testing::TestWithParam<Smoothness> {};

TEST_P(SmoothAboveOneX, PixelArtAtOneXBlendedEdgesAbove) {
    const Smoothness& s = GetParam();
    for (const double ratio : kPictureRatios) {
        const QImage image = ui::pictureImage(s.picture, ratio);
        const QRect area = devicePixelsOf(s.area, ratio);
        std::vector<QRgb> colours(s.colours);
        // The card's own colours in each row (edge, cream and its shade, which darkens from top
        // to bottom on the faces), from the plain middle of the card.
        for (int y = area.top(); y <= area.bottom(); ++y) {
            colours.push_back(image.pixel(static_cast<int>(25 * ratio), y));
        }
        const int blended = picture_probe::count(image, area, [&](QRgb c) {
            for (const QRgb colour : colours) {
                if (std::abs(qRed(c) - qRed(colour)) + std::abs(qGreen(c) - qGreen(colour)) +
                        std::abs(qBlue(c) - qBlue(colour)) <=
                    12) {
                    return false;
                }
            }
            return true;
        });
        if (ratio == 1.0) {
            EXPECT_EQ(blended, 0) << s.what << ": pixel art at 1x";
        } else {
            EXPECT_GT(blended, 0) << s.what << " at " << ratio << ": in steps, not smooth";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CornersAndSmallSuits, SmoothAboveOneX,
                         testing::Values(Smoothness{"the back's top-left corner",
                                                    game::Picture::CardBack,
                                                    picture_probe::span(0, 0, 3, 3),
                                                    {kTableGreen, kCardEdge}},
                                         Smoothness{"the face's bottom-right corner",
                                                    game::Picture::Spades,
                                                    picture_probe::span(47, 74, 50, 77),
                                                    {kTableGreen, kCardEdge}},
                                         Smoothness{"the small heart",
                                                    game::Picture::Hearts,
                                                    picture_probe::span(4, 26, 12, 36),
                                                    {kSuitRed}},
                                         Smoothness{"the small club",
                                                    game::Picture::Clubs,
                                                    picture_probe::span(4, 26, 12, 36),
                                                    {kSuitBlack}}),
                         [](const testing::TestParamInfo<Smoothness>& info) {
                             std::string name = info.param.what;
                             std::erase_if(name, [](char c) {
                                 return !std::isalnum(static_cast<unsigned char>(c));
                             });
                             return name;
                         });

// The pages wholly inside an image, as page numbers from first to one past the last.
std::pair<std::uintptr_t, std::uintptr_t> wholePages(const QImage& image) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(image.constBits());
    return {(begin + page - 1) / page,
            (begin + static_cast<std::uintptr_t>(image.sizeInBytes())) / page};
}

// How many of the pages wholly inside an image are in this process's memory (Linux pagemap).
int residentPages(const QImage& image) {
    const auto [first, last] = wholePages(image);
    QFile pagemap(QStringLiteral("/proc/self/pagemap"));
    if (!pagemap.open(QIODevice::ReadOnly) || !pagemap.seek(static_cast<qint64>(first * 8))) {
        return -1;
    }
    int resident = 0;
    for (std::uintptr_t p = first; p < last; ++p) {
        quint64 entry = 0;
        if (pagemap.read(reinterpret_cast<char*>(&entry), 8) != 8) {
            return -1;
        }
        resident += (entry >> 63) & 1 ? 1 : 0;
    }
    return resident;
}

quint64 checksum(const QImage& image) {
    quint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (qsizetype x = 0; x < image.bytesPerLine(); ++x) {
            sum = sum * 31 + line[x];
        }
    }
    return sum;
}

TEST(ScaledPictures, ADrawnPictureLetsItsMemoryGoAndReadsTheSameAfter) {
    const QImage table = ui::pictureImage(game::Picture::TableBackground, 2);
    const quint64 before = checksum(table); // reads every pixel, so the pages are in memory
    ASSERT_GT(residentPages(table), 0);
    ui::letPixelsGo(game::Picture::TableBackground, 2);
    EXPECT_EQ(residentPages(table), 0);
    EXPECT_EQ(checksum(table), before) << "read back from the program's file";
}

TEST(ScaledPictures, LettingOnePictureGoKeepsTheOthersInMemory) {
    std::vector<std::pair<QImage, quint64>> others;
    for (const game::PictureInfo& info : game::kPictures) {
        for (const double ratio : kPictureRatios) {
            if (info.picture != game::Picture::TableBackground || ratio != 2) {
                const QImage image = ui::pictureImage(info.picture, ratio);
                others.emplace_back(image, checksum(image)); // brings its pages into memory
            }
        }
    }
    ui::letPixelsGo(game::Picture::TableBackground, 2);
    for (const auto& [image, sum] : others) {
        const auto [first, last] = wholePages(image);
        // A picture smaller than a page may hold no whole page at all.
        EXPECT_EQ(residentPages(image), last > first ? static_cast<int>(last - first) : 0);
        EXPECT_EQ(checksum(image), sum);
    }
}

} // namespace
