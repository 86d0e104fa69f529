// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The build tool that turns the SVG sources into pictures: composition of parts, pixel
// lettering, and the checks that stop the build on a bad source.

#include "tools/pictures/picture_renderer.h"
#include "tools/pictures/svg_composition.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using picture_tool::compose;
using picture_tool::SourceFile;

const QString kHeader = QStringLiteral(
    R"re(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )re");

// A font with two glyphs: A three pixels wide, I one pixel wide.
const SourceFile kFont{QStringLiteral("font.svg"),
                       kHeader + QStringLiteral(R"re(width="1" height="1" viewBox="0 0 1 1"><defs>
        <g id="f-A" data-font="f" data-char="A" data-width="3"><rect width="3" height="2"/></g>
        <g id="f-I" data-font="f" data-char="I" data-width="1"><rect width="1" height="2"/></g>
        </defs></svg>)re")};

SourceFile layoutWith(const QString& body) {
    return {QStringLiteral("layout.svg"),
            kHeader + QStringLiteral(R"re(width="20" height="4" viewBox="0 0 20 4">)re") + body +
                QStringLiteral("</svg>")};
}

TEST(PictureToolComposition, PartsComeBeforeTheLayoutsOwnContent) {
    const SourceFile part{QStringLiteral("part.svg"),
                          kHeader +
                              QStringLiteral(R"re(><style>.x { fill: red; }</style></svg>)re")};
    const auto result = compose(layoutWith(QStringLiteral(R"re(<rect class="x"/>)re")), {part});
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_LT(result.svg.indexOf(QStringLiteral(".x { fill: red; }")),
              result.svg.indexOf(QStringLiteral(R"re(<rect class="x"/>)re")));
}

struct Lettering {
    const char* name;
    const char* text;
    const char* expected;
};

void PrintTo(const Lettering& lettering, std::ostream* out) {
    *out << lettering.name;
}

// "AIA" is 3 + 1 + 1 + 1 + 3 = 9 pixels wide with the default one-pixel spacing.
const Lettering kLetterings[] = {
    {"Start", R"re(<text data-font="f" x="2" y="1" class="c">AIA</text>)re",
     R"re(<g class="c" transform="translate(2,1)"><use xlink:href="#f-A" x="0"/><use xlink:href="#f-I" x="4"/><use xlink:href="#f-A" x="6"/></g>)re"},
    {"End", R"re(<text data-font="f" x="12" y="0" text-anchor="end">AIA</text>)re",
     R"re(<g transform="translate(3,0)"><use xlink:href="#f-A" x="0"/><use xlink:href="#f-I" x="4"/><use xlink:href="#f-A" x="6"/></g>)re"},
    {"Middle", R"re(<text data-font="f" x="10" y="0" text-anchor="middle">AIA</text>)re",
     R"re(<g transform="translate(5,0)"><use xlink:href="#f-A" x="0"/><use xlink:href="#f-I" x="4"/><use xlink:href="#f-A" x="6"/></g>)re"},
    {"Spacing", R"re(<text data-font="f" x="0" y="0" letter-spacing="2">AI</text>)re",
     R"re(<g transform="translate(0,0)"><use xlink:href="#f-A" x="0"/><use xlink:href="#f-I" x="5"/></g>)re"},
};

class PictureToolLettering : public testing::TestWithParam<Lettering> {};

TEST_P(PictureToolLettering, BecomesGlyphReferences) {
    const auto result = compose(layoutWith(QString::fromUtf8(GetParam().text)), {kFont});
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_TRUE(result.svg.contains(QString::fromUtf8(GetParam().expected)))
        << result.svg.toStdString();
    EXPECT_FALSE(result.svg.contains(QStringLiteral("<text")));
}

INSTANTIATE_TEST_SUITE_P(Anchors, PictureToolLettering, testing::ValuesIn(kLetterings),
                         [](const testing::TestParamInfo<Lettering>& info) {
                             return std::string(info.param.name);
                         });

struct BadSource {
    const char* name;
    const char* body;
    const char* errorMentions;
};

void PrintTo(const BadSource& bad, std::ostream* out) {
    *out << bad.name;
}

const BadSource kBadSources[] = {
    {"CharacterNotInFont", R"re(<text data-font="f">AB</text>)re", "no glyph for 'B'"},
    {"UnknownFont", R"re(<text data-font="g">A</text>)re", "unknown pixel font"},
    {"TextInSystemFont", R"re(<text x="0" y="3">A</text>)re", "not in a pixel font"},
    // The renderer would paint this black, ignoring the class.
    {"ClassWithFillAttribute", R"re(<rect class="x" fill-opacity="0.5"/>)re",
     "both a class and a fill attribute"},
};

class PictureToolRejects : public testing::TestWithParam<BadSource> {};

TEST_P(PictureToolRejects, NamesTheProblem) {
    const auto result = compose(layoutWith(QString::fromUtf8(GetParam().body)), {kFont});
    EXPECT_TRUE(result.svg.isEmpty());
    EXPECT_TRUE(result.error.contains(QString::fromUtf8(GetParam().errorMentions)))
        << result.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(BadText, PictureToolRejects, testing::ValuesIn(kBadSources),
                         [](const testing::TestParamInfo<BadSource>& info) {
                             return std::string(info.param.name);
                         });

class PictureToolRendering : public testing::Test {
  protected:
    QTemporaryDir dir;

    QString write(const QString& name, const QString& text) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        return file.fileName();
    }

    QString svg(int width, int height, const QString& body, const QString& rootExtra = {}) {
        return kHeader +
               QStringLiteral(R"re(width="%1" height="%2" viewBox="0 0 %1 %2" %3>)re")
                   .arg(width)
                   .arg(height)
                   .arg(rootExtra) +
               body + QStringLiteral("</svg>");
    }
};

TEST_F(PictureToolRendering, DrawsOneUnitPerPixel) {
    const QString path =
        write(QStringLiteral("p.svg"),
              svg(4, 3, QStringLiteral(R"re(<rect width="4" height="3" fill="#0000ff"/>
                                      <rect x="1" y="1" width="1" height="1" fill="#ff0000"/>)re")));
    const auto result = picture_tool::renderPicture(path, {});
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(result.image.size(), QSize(4, 3));
    EXPECT_EQ(result.image.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(result.image.pixel(2, 1), qRgb(0, 0, 255));
}

TEST_F(PictureToolRendering, RejectsAPictureWithAHole) {
    const QString path = write(QStringLiteral("p.svg"),
                               svg(4, 3, QStringLiteral(R"re(<rect width="3" height="3"/>)re")));
    const auto result = picture_tool::renderPicture(path, {});
    EXPECT_TRUE(result.image.isNull());
    EXPECT_TRUE(result.error.contains(QStringLiteral("pixel 3,0"))) << result.error.toStdString();
}

TEST_F(PictureToolRendering, RejectsAReferenceToNothing) {
    const QString path =
        write(QStringLiteral("p.svg"), svg(2, 2, QStringLiteral(R"re(<rect width="2" height="2"/>
                                                  <use xlink:href="#missing"/>)re")));
    const auto result = picture_tool::renderPicture(path, {});
    EXPECT_TRUE(result.image.isNull());
    EXPECT_TRUE(result.error.contains(QStringLiteral("missing"))) << result.error.toStdString();
}

TEST_F(PictureToolRendering, InsetPictureIsClippedToItsBox) {
    // The inset draws far beyond its 2x2 canvas; only its own box may change.
    write(QStringLiteral("inset.svg"),
          svg(2, 2,
              QStringLiteral(
                  R"re(<rect x="-10" y="-10" width="30" height="30" fill="#ff0000"/>)re")));
    const QString path =
        write(QStringLiteral("p.svg"),
              svg(6, 6, QStringLiteral(R"re(<rect width="6" height="6" fill="#0000ff"/>
                <image data-picture="inset.svg" x="2" y="2" width="2" height="2"/>)re")));
    const auto result = picture_tool::renderPicture(path, {});
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(result.image.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(result.image.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(result.image.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(result.image.pixel(4, 4), qRgb(0, 0, 255));
}

TEST_F(PictureToolRendering, AntialiasingCanBeSwitchedOff) {
    const QString body = QStringLiteral(R"re(<rect width="8" height="8" fill="#ffffff"/>
        <path d="M0.5,0.5 L7.5,3.5" stroke="#000000" stroke-width="1" fill="none"/>)re");
    const QString smooth = write(QStringLiteral("smooth.svg"), svg(8, 8, body));
    const QString hard = write(QStringLiteral("hard.svg"),
                               svg(8, 8, body, QStringLiteral(R"re(data-antialias="off")re")));
    const auto isGrey = [](QRgb c) { return qRed(c) > 0 && qRed(c) < 255; };
    const auto greys = [&](const QImage& image) {
        int n = 0;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                n += isGrey(image.pixel(x, y)) ? 1 : 0;
            }
        }
        return n;
    };
    EXPECT_GT(greys(picture_tool::renderPicture(smooth, {}).image), 0);
    EXPECT_EQ(greys(picture_tool::renderPicture(hard, {}).image), 0);
}

TEST_F(PictureToolRendering, DrawsAtAScaleOnEveryDevicePixelItTouches) {
    // 3x2 units at 1.5 touch 5x3 device pixels; the half-covered last column and row repeat
    // their neighbours inside.
    const QString path =
        write(QStringLiteral("p.svg"),
              svg(3, 2, QStringLiteral(R"re(<rect width="3" height="2" fill="#0000ff"/>
                <rect x="2" width="1" height="2" fill="#ff0000"/>)re")));
    const auto result = picture_tool::renderPicture(path, {}, 1.5);
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(result.image.size(), QSize(5, 3));
    EXPECT_EQ(result.canvas, QSizeF(3, 2));
    EXPECT_EQ(result.image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(result.image.pixel(3, 0), qRgb(255, 0, 0)); // units 2..3 are device 3..4.5
    EXPECT_EQ(result.image.pixel(4, 2), qRgb(255, 0, 0)); // the extended corner
    EXPECT_EQ(result.image.pixel(0, 2), qRgb(0, 0, 255));
}

TEST_F(PictureToolRendering, AnInsetAtAFractionalPlaceIsNotResampled) {
    // A 4x4 inset at 1,1 lies at 1.25..6.25 device pixels at 1.25: drawn there at device
    // resolution, the pixels it covers wholly keep its one colour, and those it covers partly
    // blend with what lies beneath.
    write(QStringLiteral("inset.svg"),
          svg(4, 4, QStringLiteral(R"re(<rect width="4" height="4" fill="#ff0000"/>)re")));
    const QString path =
        write(QStringLiteral("p.svg"),
              svg(6, 6, QStringLiteral(R"re(<rect width="6" height="6" fill="#0000ff"/>
                <image data-picture="inset.svg" x="1" y="1" width="4" height="4"/>)re")));
    const auto result = picture_tool::renderPicture(path, {}, 1.25);
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    ASSERT_EQ(result.image.size(), QSize(8, 8));
    for (int y = 2; y <= 5; ++y) {
        for (int x = 2; x <= 5; ++x) {
            EXPECT_EQ(result.image.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
        }
    }
    EXPECT_EQ(result.image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(result.image.pixel(7, 0), qRgb(0, 0, 255));
    EXPECT_EQ(result.image.pixel(0, 7), qRgb(0, 0, 255));
    for (const QPoint edge : {QPoint(1, 3), QPoint(6, 3), QPoint(3, 1), QPoint(3, 6)}) {
        const QRgb blend = result.image.pixel(edge);
        EXPECT_TRUE(qRed(blend) > 0 && qBlue(blend) > 0) << edge.x() << "," << edge.y();
    }
}

TEST_F(PictureToolRendering, HardEdgesAtAFractionalScaleAreHalvedFromTwiceIt) {
    // A one-unit dot at 1.5 falls on 1.5 device pixels: drawn at 3 and halved, it covers one
    // pixel wholly and its neighbours by half, instead of one or two pixels wholly.
    const QString path =
        write(QStringLiteral("p.svg"),
              svg(4, 4, QStringLiteral(R"re(<rect width="4" height="4" fill="#ffffff"/>
            <rect x="1" y="1" width="1" height="1" fill="#000000"/>)re"),
                  QStringLiteral(R"re(data-antialias="off")re")));
    const auto result = picture_tool::renderPicture(path, {}, 1.5);
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    ASSERT_EQ(result.image.size(), QSize(6, 6));
    // Units 1..2 are device 1.5..3: pixel 2 wholly, pixel 1 half.
    EXPECT_EQ(result.image.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(qRed(result.image.pixel(1, 2)), 188); // half the light of white, in sRGB
    EXPECT_EQ(result.image.pixel(3, 2), qRgb(255, 255, 255));
}

TEST_F(PictureToolRendering, KeepsOnlyWhatIsMeantForTheScale) {
    const QString path =
        write(QStringLiteral("p.svg"),
              svg(4, 1, QStringLiteral(R"re(<rect width="4" height="1" fill="#000000"/>
            <g data-max-ratio="1"><rect width="1" height="1" fill="#ff0000"/></g>
            <rect width="1" height="1" fill="#00ff00" data-min-ratio="1.25" data-max-ratio="2"/>
            <rect width="1" height="1" fill="#0000ff" data-min-ratio="2.5"/>)re")));
    const struct {
        double ratio;
        QRgb first;
    } cases[] = {{1, qRgb(255, 0, 0)},
                 {1.25, qRgb(0, 255, 0)},
                 {2, qRgb(0, 255, 0)},
                 {2.5, qRgb(0, 0, 255)},
                 {3, qRgb(0, 0, 255)}};
    for (const auto& c : cases) {
        const auto result = picture_tool::renderPicture(path, {}, c.ratio);
        ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
        EXPECT_EQ(result.image.pixel(0, 0), c.first) << "at " << c.ratio;
        EXPECT_EQ(result.image.pixel(result.image.width() - 1, 0), qRgb(0, 0, 0)) << c.ratio;
    }
}

TEST(PictureToolScale, LeavesASourceWithoutScalesAsItIs) {
    const SourceFile source = layoutWith(QStringLiteral(R"re(<rect class="x"/>  <!-- a -->)re"));
    EXPECT_EQ(picture_tool::keepForRatio(source, 2).svg, source.text);
}

TEST(PictureToolScale, RejectsAScaleThatIsNoNumber) {
    const auto result = picture_tool::keepForRatio(
        layoutWith(QStringLiteral(R"re(<rect data-min-ratio="big"/>)re")), 2);
    EXPECT_TRUE(result.svg.isEmpty());
    EXPECT_TRUE(result.error.contains(QStringLiteral("is not a scale")))
        << result.error.toStdString();
}

} // namespace
