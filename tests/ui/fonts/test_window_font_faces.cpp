// Which embedded file each window face resolves to, with which weight and rendering options, and
// which characters each face covers by itself.

#include "ui/fonts/window_fonts.h"

#include <QByteArray>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QRawFont>
#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using ui::FontFace;

struct FaceRequest {
    const char* name;
    FontFace face;
    bool bold;
    const char* family;
    int weight;
    const char* resource;
};

const FaceRequest faceRequests[] = {
    {"Arial", FontFace::Arial, false, "Vantrello Sans", QFont::Normal,
     ":/vantrello/fonts/VantrelloSans-Regular.ttf"},
    {"ArialBold", FontFace::Arial, true, "Vantrello Sans", QFont::Bold,
     ":/vantrello/fonts/VantrelloSans-Bold.ttf"},
    {"Default", FontFace::Default, false, "Vantrello Sans", QFont::Normal,
     ":/vantrello/fonts/VantrelloSans-Regular.ttf"},
    {"DefaultBold", FontFace::Default, true, "Vantrello Sans", QFont::Bold,
     ":/vantrello/fonts/VantrelloSans-Bold.ttf"},
    // The window asks a normal weight of Arial Black; the face is black by nature.
    {"ArialBlack", FontFace::ArialBlack, false, "Vantrello Heavy", QFont::Black,
     ":/vantrello/fonts/VantrelloHeavy-Black.otf"},
    {"ArialBlackBold", FontFace::ArialBlack, true, "Vantrello Heavy", QFont::Black,
     ":/vantrello/fonts/VantrelloHeavy-Black.otf"},
    {"TimesNewRomanBold", FontFace::TimesNewRoman, true, "Vantrello Serif", QFont::Bold,
     ":/vantrello/fonts/VantrelloSerif-Bold.ttf"},
    {"TimesNewRomanRegularKeepsBold", FontFace::TimesNewRoman, false, "Vantrello Serif",
     QFont::Bold, ":/vantrello/fonts/VantrelloSerif-Bold.ttf"},
    {"ComicSansMSBold", FontFace::ComicSansMS, true, "Vantrello Comic", QFont::Bold,
     ":/vantrello/fonts/VantrelloComic-Bold.otf"},
    {"ComicSansMSRegularKeepsBold", FontFace::ComicSansMS, false, "Vantrello Comic", QFont::Bold,
     ":/vantrello/fonts/VantrelloComic-Bold.otf"},
};

QRawFont embeddedRawFont(const char* resource, int pixelSize) {
    QFile file(QString::fromLatin1(resource));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QRawFont(file.readAll(), pixelSize);
}

void PrintTo(const FaceRequest& request, std::ostream* out) {
    *out << request.name;
}

class WindowFontFace : public testing::TestWithParam<FaceRequest> {
  protected:
    void SetUp() override { ui::loadBundledFonts(); }
};

TEST_P(WindowFontFace, ResolvesToTheEmbeddedFile) {
    const FaceRequest& request = GetParam();
    const QFont font = ui::windowFont(request.face, 11, request.bold);
    const QFontInfo info(font);
    EXPECT_EQ(info.family().toStdString(), request.family);
    EXPECT_EQ(info.weight(), request.weight);
    EXPECT_FALSE(info.italic());
    EXPECT_EQ(info.pixelSize(), 11);
    EXPECT_TRUE(info.exactMatch());

    // The face in use carries the same font header (version, checksum, dates) as the embedded file.
    const QRawFont used = QRawFont::fromFont(font);
    const QRawFont embedded = embeddedRawFont(request.resource, 11);
    ASSERT_TRUE(used.isValid());
    ASSERT_TRUE(embedded.isValid());
    EXPECT_EQ(used.familyName().toStdString(), request.family);
    EXPECT_EQ(used.fontTable("head"), embedded.fontTable("head"));
    EXPECT_EQ(used.fontTable("name"), embedded.fontTable("name"));
}

TEST_P(WindowFontFace, UsesPixelSizeVerticalHintingAndGreyscaleAntialiasing) {
    const FaceRequest& request = GetParam();
    const QFont font = ui::windowFont(request.face, 19, request.bold);
    EXPECT_EQ(font.family().toStdString(), request.family);
    EXPECT_EQ(font.weight(), request.weight);
    EXPECT_EQ(font.pixelSize(), 19);
    EXPECT_EQ(font.pointSize(), -1);
    EXPECT_EQ(font.hintingPreference(), QFont::PreferVerticalHinting);
    EXPECT_TRUE(font.styleStrategy() & QFont::NoSubpixelAntialias);
    // Merging stays on, so a character outside a face still shows instead of a box.
    EXPECT_FALSE(font.styleStrategy() & QFont::NoFontMerging);
}

INSTANTIATE_TEST_SUITE_P(AllFaces, WindowFontFace, testing::ValuesIn(faceRequests),
                         [](const testing::TestParamInfo<FaceRequest>& info) {
                             return std::string(info.param.name);
                         });

struct Coverage {
    const char* name;
    FontFace face;
    bool bold;
    const char* characters; // UTF-8
};

constexpr const char* russianAlphabet =
    "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя";
constexpr const char* asciiPrintable = " !\"#$%&'()*+,-./0123456789:;<=>?@"
                                       "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                                       "abcdefghijklmnopqrstuvwxyz{|}~";

// Vantrello Comic (Comic Neue) has no Cyrillic; its one control shows a number only, so digits and
// the minus sign are all it must have.
const Coverage coverages[] = {
    {"DefaultRussian", FontFace::Default, false, russianAlphabet},
    {"DefaultAscii", FontFace::Default, false, asciiPrintable},
    {"ArialRussian", FontFace::Arial, false, russianAlphabet},
    {"ArialBoldRussian", FontFace::Arial, true, russianAlphabet},
    {"ArialBoldAscii", FontFace::Arial, true, asciiPrintable},
    {"ArialBlackRussian", FontFace::ArialBlack, false, russianAlphabet},
    {"ArialBlackAscii", FontFace::ArialBlack, false, asciiPrintable},
    {"TimesNewRomanRussian", FontFace::TimesNewRoman, true, russianAlphabet},
    {"TimesNewRomanAscii", FontFace::TimesNewRoman, true, asciiPrintable},
    {"ComicSansMSNumbers", FontFace::ComicSansMS, true, "0123456789-"},
};

void PrintTo(const Coverage& coverage, std::ostream* out) {
    *out << coverage.name;
}

class WindowFontCoverage : public testing::TestWithParam<Coverage> {
  protected:
    void SetUp() override { ui::loadBundledFonts(); }
};

TEST_P(WindowFontCoverage, FaceItselfHasEveryCharacter) {
    const Coverage& coverage = GetParam();
    const QRawFont raw = QRawFont::fromFont(ui::windowFont(coverage.face, 11, coverage.bold));
    ASSERT_TRUE(raw.isValid());
    const QString characters = QString::fromUtf8(coverage.characters);
    for (const QChar character : characters) {
        EXPECT_TRUE(raw.supportsCharacter(character))
            << raw.familyName().toStdString() << " lacks U+" << std::hex
            << static_cast<unsigned>(character.unicode());
    }
}

INSTANTIATE_TEST_SUITE_P(ShownCharacters, WindowFontCoverage, testing::ValuesIn(coverages),
                         [](const testing::TestParamInfo<Coverage>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
