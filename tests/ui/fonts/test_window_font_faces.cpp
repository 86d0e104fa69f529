// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which embedded file each font of the window's design resolves to, with which weight and
// rendering options, and whether that face by itself has every character shown in it.

#include "game/number_text.h"
#include "tests/ui/fonts/window_texts.h"
#include "ui/fonts/window_fonts.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QRawFont>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using game::design::Control;
using game::design::Font;

using window_texts::qString;

// Every font the window's controls name, once each.
std::vector<Font> designFonts() {
    std::vector<Font> fonts;
    for (const Control& c : game::design::form1()) {
        if (c.font.pixelSize() > 0 &&
            std::find(fonts.begin(), fonts.end(), c.font) == fonts.end()) {
            fonts.push_back(c.font);
        }
    }
    return fonts;
}

class WindowFonts : public testing::Test {
  protected:
    void SetUp() override { ui::loadBundledFonts(); }
};

TEST_F(WindowFonts, EachResolvesToItsEmbeddedFile) {
    for (const Font& design : designFonts()) {
        SCOPED_TRACE(std::string(design.face) + " " + std::to_string(design.points));
        const ui::fonts::EmbeddedFace& face = ui::embeddedFace(design);
        const QFont font = ui::windowFont(design);
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), qString(face.family));
        EXPECT_EQ(info.weight(), ui::styleWeight(face.style));
        EXPECT_FALSE(info.italic());
        EXPECT_EQ(info.pixelSize(), design.pixelSize());
        EXPECT_TRUE(info.exactMatch());
        EXPECT_EQ(font.hintingPreference(), QFont::PreferVerticalHinting);
        EXPECT_TRUE(font.styleStrategy() & QFont::NoSubpixelAntialias);
        // Merging stays on, so a character outside a face still shows instead of a box.
        EXPECT_FALSE(font.styleStrategy() & QFont::NoFontMerging);

        // The face in use carries the same font header (version, checksum, dates) as the file.
        QFile file(qString(face.resource));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QRawFont embedded(file.readAll(), design.pixelSize());
        const QRawFont used = QRawFont::fromFont(font);
        ASSERT_TRUE(used.isValid());
        EXPECT_EQ(used.fontTable("head"), embedded.fontTable("head"));
        EXPECT_EQ(used.fontTable("name"), embedded.fontTable("name"));
    }
}

TEST_F(WindowFonts, TheWeightAskedPicksAmongAFacesFiles) {
    const struct {
        Font font;
        const char* style;
    } choices[] = {
        {{"Arial", 8.25, false}, "Regular"},
        {{"Arial", 8.25, true}, "Bold"},
        // The user-interface font is the embedded sans.
        {{"", 8.25, false}, "Regular"},
        // A face embedded in one weight keeps it whatever is asked.
        {{"Times New Roman", 14.25, false}, "Bold"},
        {{"Arial Black", 8.25, true}, "Black"},
    };
    for (const auto& choice : choices) {
        EXPECT_EQ(ui::embeddedFace(choice.font).style, choice.style) << choice.font.face;
    }
    EXPECT_EQ(ui::embeddedFace({"", 8.25, false}).family,
              ui::embeddedFace({"Arial", 8.25, false}).family);
}

TEST_F(WindowFonts, EachControlsFaceHasEveryCharacterItShows) {
    for (const Control& c : game::design::form1()) {
        const QString shown = window_texts::shownIn(c).join(QString());
        if (c.font.pixelSize() == 0 || shown.isEmpty()) {
            continue;
        }
        const QRawFont raw = QRawFont::fromFont(ui::windowFont(c.font));
        ASSERT_TRUE(raw.isValid()) << c.name;
        for (const QChar character : shown) {
            EXPECT_TRUE(raw.supportsCharacter(character))
                << c.name << ": " << raw.familyName().toStdString() << " lacks U+" << std::hex
                << static_cast<unsigned>(character.unicode());
        }
    }
}

// A value label can come to hold any number the rules write, in its exponent form too.
TEST_F(WindowFonts, EachValueLabelsFaceHasEveryCharacterOfANumber) {
    for (const char* name :
         {"LabelCredit", "LabelTotalWin", "LabelStep", "LabelDouble", "LabelTotalBet"}) {
        const QRawFont raw = QRawFont::fromFont(ui::windowFont(game::design::control(name).font));
        ASSERT_TRUE(raw.isValid()) << name;
        for (const char character : game::kNumberCharacters) {
            EXPECT_TRUE(raw.supportsCharacter(QChar::fromLatin1(character)))
                << name << ": " << raw.familyName().toStdString() << " lacks '" << character << "'";
        }
    }
}

} // namespace
