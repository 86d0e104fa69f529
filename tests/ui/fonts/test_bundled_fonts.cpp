// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The embedded font files: linked into the program, registered once, and enough on their own.

#include "ui/fonts/window_fonts.h"

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QMap>
#include <QRawFont>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using ui::fonts::EmbeddedFace;
using ui::fonts::kEmbeddedFaces;

QString qString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string testName(const EmbeddedFace& face) {
    return qString(face.family).remove(QLatin1Char(' ')).toStdString() + std::string(face.style);
}

class EmbeddedFontFile : public testing::TestWithParam<EmbeddedFace> {
  protected:
    void SetUp() override { ui::loadBundledFonts(); }
};

TEST_P(EmbeddedFontFile, IsLinkedIntoTheProgramAndRegistered) {
    const EmbeddedFace& file = GetParam();
    QFile resource(qString(file.resource));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << file.resource << " is not in the program";
    const QByteArray data = resource.readAll();
    ASSERT_GT(data.size(), 1000);

    const QRawFont raw(data, 12);
    ASSERT_TRUE(raw.isValid()) << file.resource << " is not a usable font";
    EXPECT_EQ(raw.familyName().toStdString(), file.family);
    EXPECT_EQ(raw.styleName().toStdString(), file.style);
    EXPECT_TRUE(QFontDatabase::families().contains(qString(file.family)));
}

TEST_P(EmbeddedFontFile, BringsItsOwnFamilyOnly) {
    // Registered by itself, the file brings the game's family and no other name (such as that of
    // the font it was made from), which an installed font could also carry.
    const EmbeddedFace& file = GetParam();
    QFile resource(qString(file.resource));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    const int id = QFontDatabase::addApplicationFontFromData(resource.readAll());
    ASSERT_NE(id, -1);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    QFontDatabase::removeApplicationFont(id);
    EXPECT_EQ(families.join(u", ").toStdString(), file.family);
}

INSTANTIATE_TEST_SUITE_P(AllFiles, EmbeddedFontFile, testing::ValuesIn(kEmbeddedFaces),
                         [](const testing::TestParamInfo<EmbeddedFace>& info) {
                             return testName(info.param);
                         });

// A font installed under the same family would add its styles, and could be picked instead of
// the embedded face.
TEST(EmbeddedFontFamily, HoldsTheEmbeddedStylesOnly) {
    ui::loadBundledFonts();
    QMap<QString, QStringList> embedded;
    for (const EmbeddedFace& face : kEmbeddedFaces) {
        embedded[qString(face.family)].append(qString(face.style));
    }
    for (const QString& family : embedded.keys()) {
        QStringList expected = embedded.value(family);
        QStringList styles = QFontDatabase::styles(family);
        styles.sort();
        expected.sort();
        EXPECT_EQ(styles.join(u", ").toStdString(), expected.join(u", ").toStdString())
            << family.toStdString();
    }
}

// The font database knows what each face writes, so that one font engine serves Latin and
// Cyrillic text alike (tools/fonts/shown_characters.cpp).
TEST(EmbeddedFontFamily, WritesLatinAndWhereTheOriginalDoesCyrillic) {
    ui::loadBundledFonts();
    for (const EmbeddedFace& face : kEmbeddedFaces) {
        const QString family = qString(face.family);
        const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
        EXPECT_TRUE(systems.contains(QFontDatabase::Latin)) << face.family;
        QFile original(qString(face.original));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << face.original;
        if (QRawFont(original.readAll(), 12).supportsCharacter(QChar(0x416))) { // Ж
            EXPECT_TRUE(systems.contains(QFontDatabase::Cyrillic)) << face.family;
        }
    }
}

TEST(LoadBundledFonts, RegistersNothingTwice) {
    ui::loadBundledFonts();
    // Application font ids are slots that a removed font frees for the next one. A probe font
    // takes the first free slot; were the second call to register the files again, they would
    // take that slot first and the probe would land elsewhere.
    QFile probe(qString(kEmbeddedFaces[0].resource));
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

// Runs only where the test is started with no system fonts (see CMakeLists.txt), either from an
// empty fontconfig configuration or from the game's own (useOnlyEmbeddedFonts): proves that the
// run really sees nothing but the embedded faces, so that the other tests of that run show the
// faces resolve without any installed font package.
TEST(LoadBundledFonts, EmbeddedFacesAreAllThereIsWithoutSystemFonts) {
    if (qEnvironmentVariable("FONTCONFIG_FILE") != QStringLiteral(NO_SYSTEM_FONTS_CONFIG) &&
        !qEnvironmentVariableIsSet("VANTRELLO_TEST_ONLY_EMBEDDED_FONTS")) {
        GTEST_SKIP() << "system fonts are visible in this run";
    }
    ui::loadBundledFonts();
    // Qt always lists its three generic family names; they carry no font file of their own.
    QSet<QString> allowed{"Sans Serif", "Serif", "Monospace"};
    for (const EmbeddedFace& face : kEmbeddedFaces) {
        allowed.insert(qString(face.family));
    }
    for (const QString& family : QFontDatabase::families()) {
        EXPECT_TRUE(allowed.contains(family)) << "system family visible: " << family.toStdString();
    }
}

} // namespace
