// The embedded font files: linked into the program, registered once, and enough on their own.

#include "ui/fonts/window_fonts.h"

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QRawFont>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct EmbeddedFile {
    const char* name;
    const char* resource;
    const char* family;
    const char* style;
};

const EmbeddedFile embeddedFiles[] = {
    {"SansRegular", ":/vantrello/fonts/VantrelloSans-Regular.ttf", "Vantrello Sans", "Regular"},
    {"SansBold", ":/vantrello/fonts/VantrelloSans-Bold.ttf", "Vantrello Sans", "Bold"},
    {"SerifBold", ":/vantrello/fonts/VantrelloSerif-Bold.ttf", "Vantrello Serif", "Bold"},
    {"ComicBold", ":/vantrello/fonts/VantrelloComic-Bold.otf", "Vantrello Comic", "Bold"},
    {"HeavyBlack", ":/vantrello/fonts/VantrelloHeavy-Black.otf", "Vantrello Heavy", "Black"},
};

void PrintTo(const EmbeddedFile& file, std::ostream* out) {
    *out << file.resource;
}

class EmbeddedFontFile : public testing::TestWithParam<EmbeddedFile> {
  protected:
    void SetUp() override { ui::loadBundledFonts(); }
};

TEST_P(EmbeddedFontFile, IsLinkedIntoTheProgramAndRegistered) {
    const EmbeddedFile& file = GetParam();
    QFile resource(QString::fromLatin1(file.resource));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << file.resource << " is not in the program";
    const QByteArray data = resource.readAll();
    ASSERT_GT(data.size(), 1000);

    const QRawFont raw(data, 12);
    ASSERT_TRUE(raw.isValid()) << file.resource << " is not a usable font";
    EXPECT_EQ(raw.familyName().toStdString(), file.family);
    EXPECT_EQ(raw.styleName().toStdString(), file.style);
    EXPECT_TRUE(QFontDatabase::families().contains(QString::fromLatin1(file.family)));
}

TEST_P(EmbeddedFontFile, BringsItsOwnFamilyOnly) {
    // Registered by itself, the file brings the game's family and no other name (such as that of
    // the font it was made from), which an installed font could also carry.
    const EmbeddedFile& file = GetParam();
    QFile resource(QString::fromLatin1(file.resource));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    const int id = QFontDatabase::addApplicationFontFromData(resource.readAll());
    ASSERT_NE(id, -1);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    QFontDatabase::removeApplicationFont(id);
    EXPECT_EQ(families.join(u", ").toStdString(), file.family);
}

INSTANTIATE_TEST_SUITE_P(AllFiles, EmbeddedFontFile, testing::ValuesIn(embeddedFiles),
                         [](const testing::TestParamInfo<EmbeddedFile>& info) {
                             return std::string(info.param.name);
                         });

struct EmbeddedFamily {
    const char* family;
    QStringList styles;
};

void PrintTo(const EmbeddedFamily& family, std::ostream* out) {
    *out << family.family;
}

class EmbeddedFontFamily : public testing::TestWithParam<EmbeddedFamily> {
  protected:
    void SetUp() override { ui::loadBundledFonts(); }
};

// A font installed under the same family would add its styles, and could be picked instead of
// the embedded face.
TEST_P(EmbeddedFontFamily, HoldsTheEmbeddedStylesOnly) {
    const EmbeddedFamily& family = GetParam();
    QStringList styles = QFontDatabase::styles(QString::fromLatin1(family.family));
    styles.sort();
    QStringList expected = family.styles;
    expected.sort();
    EXPECT_EQ(styles.join(u", ").toStdString(), expected.join(u", ").toStdString())
        << family.family;
}

INSTANTIATE_TEST_SUITE_P(
    AllFamilies, EmbeddedFontFamily,
    testing::Values(EmbeddedFamily{"Vantrello Sans", {"Regular", "Bold"}},
                    EmbeddedFamily{"Vantrello Serif", {"Bold"}},
                    EmbeddedFamily{"Vantrello Comic", {"Bold"}},
                    EmbeddedFamily{"Vantrello Heavy", {"Black"}}),
    [](const testing::TestParamInfo<EmbeddedFamily>& info) {
        return QString::fromLatin1(info.param.family).remove(QLatin1Char(' ')).toStdString();
    });

TEST(LoadBundledFonts, RegistersNothingTwice) {
    ui::loadBundledFonts();
    // Application font ids are slots that a removed font frees for the next one. A probe font
    // takes the first free slot; were the second call to register the files again, they would
    // take that slot first and the probe would land elsewhere.
    QFile probe(QStringLiteral(":/vantrello/fonts/VantrelloComic-Bold.otf"));
    ASSERT_TRUE(probe.open(QIODevice::ReadOnly));
    const QByteArray probeData = probe.readAll();

    const int firstProbe = QFontDatabase::addApplicationFontFromData(probeData);
    ASSERT_NE(firstProbe, -1);
    ASSERT_TRUE(QFontDatabase::removeApplicationFont(firstProbe));

    ui::loadBundledFonts();
    ui::loadBundledFonts();
    const int secondProbe = QFontDatabase::addApplicationFontFromData(probeData);
    EXPECT_EQ(secondProbe, firstProbe);
    QFontDatabase::removeApplicationFont(secondProbe);
}

// Runs only where the test is started with no system fonts (see CMakeLists.txt): proves that the
// run really sees nothing but the embedded faces, so that the other tests of that run show the
// faces resolve without any installed font package.
TEST(LoadBundledFonts, EmbeddedFacesAreAllThereIsWithoutSystemFonts) {
    if (qEnvironmentVariable("FONTCONFIG_FILE") != QStringLiteral(NO_SYSTEM_FONTS_CONFIG)) {
        GTEST_SKIP() << "system fonts are visible in this run";
    }
    ui::loadBundledFonts();
    // Qt always lists its three generic family names; they carry no font file of their own.
    const QSet<QString> allowed{"Vantrello Sans",  "Vantrello Serif", "Vantrello Comic",
                                "Vantrello Heavy", "Sans Serif",      "Serif",
                                "Monospace"};
    for (const QString& family : QFontDatabase::families()) {
        EXPECT_TRUE(allowed.contains(family)) << "system family visible: " << family.toStdString();
    }
}

} // namespace
