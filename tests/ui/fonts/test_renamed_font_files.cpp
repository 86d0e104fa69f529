// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The embedded files against the Debian files they are made from: the family and the names
// derived from it are the game's own, the copyright and licence notices and every other name are
// kept, and of the characters the window shows (the only ones kept) glyphs, hinting and metrics
// are untouched, so text looks exactly as with the original face.

#include "game/shown_text.h"
#include "ui/fonts/font_catalogue.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace {

using ui::fonts::EmbeddedFace;

QString qString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The names a renamed file carries: "Vantrello Sans Bold", and "VantrelloSans-Bold" for
// PostScript; a Regular face's full name is its family alone.
QString fullName(const EmbeddedFace& face) {
    QString name = qString(face.family);
    if (face.style != "Regular") {
        name += QLatin1Char(' ') + qString(face.style);
    }
    return name;
}

std::string postscriptName(const EmbeddedFace& face) {
    return qString(face.family).remove(QLatin1Char(' ')).toStdString() + "-" +
           std::string(face.style);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct NameRecord {
    quint16 platform;
    quint16 encoding;
    quint16 language;
    quint16 id;
    QByteArray bytes;

    // Windows and Unicode records are UTF-16BE; the Macintosh ones here are plain ASCII.
    QString text() const {
        if (platform == 1) {
            return QString::fromLatin1(bytes);
        }
        QString result;
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
            result.append(QChar(qFromBigEndian<quint16>(bytes.constData() + i)));
        }
        return result;
    }
    bool operator==(const NameRecord&) const = default;
};

// The records of an OpenType 'name' table (formats 0 and 1 share this layout).
QList<NameRecord> nameRecords(const QByteArray& table) {
    QList<NameRecord> records;
    if (table.size() < 6) {
        return records;
    }
    const auto at = [&table](qsizetype offset) {
        return qFromBigEndian<quint16>(table.constData() + offset);
    };
    const quint16 count = at(2);
    const quint16 storage = at(4);
    for (qsizetype i = 0; i < count && 6 + 12 * (i + 1) <= table.size(); ++i) {
        const qsizetype record = 6 + 12 * i;
        const qsizetype start = storage + at(record + 10);
        const qsizetype length = at(record + 8);
        if (start + length > table.size()) {
            break;
        }
        records.append(
            {at(record), at(record + 2), at(record + 4), at(record + 6), table.mid(start, length)});
    }
    return records;
}

std::string describe(const NameRecord& record) {
    return "name " + std::to_string(record.id) + " (platform " + std::to_string(record.platform) +
           "): " + record.text().toStdString();
}

// How much of a glyph's ink two outlines at 64 pixels share: 1 when they cover the same pixels.
double sharedInk(const QPainterPath& a, const QPainterPath& b) {
    const QRectF box = a.boundingRect().united(b.boundingRect()).adjusted(-2, -2, 2, 2);
    const auto ink = [&box](const QPainterPath& path) {
        QImage image(box.size().toSize(), QImage::Format_Grayscale8);
        image.fill(0);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-box.topLeft());
        painter.fillPath(path, Qt::white);
        return image;
    };
    const QImage inkA = ink(a);
    const QImage inkB = ink(b);
    double both = 0;
    double either = 0;
    for (int y = 0; y < inkA.height(); ++y) {
        for (int x = 0; x < inkA.width(); ++x) {
            const int pa = inkA.constScanLine(y)[x];
            const int pb = inkB.constScanLine(y)[x];
            both += std::min(pa, pb);
            either += std::max(pa, pb);
        }
    }
    return either == 0 ? 1.0 : both / either;
}

// The names the renaming rewrites or drops; every other record must stay as it was.
const QSet<quint16> renamedIds{1, 2, 3, 4, 6, 16, 17, 18, 20, 21, 22, 25};

class RenamedFontFile : public testing::TestWithParam<EmbeddedFace> {
  protected:
    void SetUp() override {
        const EmbeddedFace& file = GetParam();
        debian = QRawFont(readAll(qString(file.original)), 64);
        embedded = QRawFont(readAll(qString(file.resource)), 64);
        ASSERT_TRUE(debian.isValid()) << file.original;
        ASSERT_TRUE(embedded.isValid()) << file.resource;
    }
    QRawFont debian;
    QRawFont embedded;
};

TEST_P(RenamedFontFile, NamesTheGameFamilyOnly) {
    const EmbeddedFace& file = GetParam();
    const QString debianFamily = debian.familyName();
    const QList<NameRecord> records = nameRecords(embedded.fontTable("name"));
    ASSERT_FALSE(records.isEmpty());
    int familyRecords = 0;
    for (const NameRecord& record : records) {
        const QString text = record.text();
        switch (record.id) {
        case 1:
        case 16:
            EXPECT_EQ(text.toStdString(), file.family) << describe(record);
            familyRecords += record.id == 1 ? 1 : 0;
            break;
        case 17:
            EXPECT_EQ(text.toStdString(), file.style) << describe(record);
            break;
        case 2:
            // The legacy subfamily: the style, or "Regular" for one beyond Regular, Bold, Italic.
            EXPECT_TRUE(text == qString(file.style) || text == QLatin1String("Regular"))
                << describe(record);
            break;
        case 4:
            EXPECT_EQ(text.toStdString(), fullName(file).toStdString()) << describe(record);
            break;
        case 6:
            EXPECT_EQ(text.toStdString(), postscriptName(file)) << describe(record);
            break;
        case 3:
            EXPECT_TRUE(text.endsWith(QString::fromStdString(postscriptName(file))))
                << describe(record);
            break;
        default:
            EXPECT_FALSE(renamedIds.contains(record.id)) << "left in: " << describe(record);
        }
        if (renamedIds.contains(record.id)) {
            EXPECT_FALSE(text.contains(debianFamily)) << describe(record);
        }
    }
    EXPECT_GE(familyRecords, 1);
    EXPECT_EQ(embedded.familyName().toStdString(), file.family);
    EXPECT_EQ(embedded.styleName().toStdString(), file.style);
}

TEST_P(RenamedFontFile, KeepsCopyrightLicenceAndOtherNames) {
    QList<NameRecord> kept;
    for (const NameRecord& record : nameRecords(debian.fontTable("name"))) {
        if (!renamedIds.contains(record.id)) {
            kept.append(record);
        }
    }
    const QList<NameRecord> embeddedRecords = nameRecords(embedded.fontTable("name"));
    for (const NameRecord& record : kept) {
        EXPECT_TRUE(embeddedRecords.contains(record)) << "lost " << describe(record);
    }
    // The copyright (0), licence (13) and licence address (14) must be among them.
    QSet<quint16> keptIds;
    for (const NameRecord& record : kept) {
        keptIds.insert(record.id);
    }
    for (const quint16 id : {0, 13, 14}) {
        EXPECT_TRUE(keptIds.contains(id)) << "the Debian file has no name " << id;
    }
}

TEST_P(RenamedFontFile, DrawsTheWindowsCharactersLikeTheDebianFile) {
    // The tables that hinting follows, byte for byte (a CFF face has none of them, and its
    // TrueType copy gets none), and the metrics that place lines.
    for (const char* tag : {"cvt ", "fpgm", "prep", "gasp"}) {
        EXPECT_EQ(embedded.fontTable(tag), debian.fontTable(tag)) << "table " << tag;
    }
    EXPECT_EQ(embedded.unitsPerEm(), debian.unitsPerEm());
    EXPECT_EQ(embedded.ascent(), debian.ascent());
    EXPECT_EQ(embedded.descent(), debian.descent());
    EXPECT_EQ(embedded.leading(), debian.leading());
    EXPECT_EQ(embedded.xHeight(), debian.xHeight());

    // Every character the window can show, with the original's outline and advance.
    const QString shown = QString::fromStdString(game::shownCharacters());
    int missing = 0;
    for (const QChar character : shown) {
        if (!debian.supportsCharacter(character)) {
            continue; // the face lacks it anyway (Comic has no Cyrillic)
        }
        SCOPED_TRACE("U+" + QString::number(character.unicode(), 16).toStdString());
        const QList<quint32> ours = embedded.glyphIndexesForString(QString(character));
        const QList<quint32> theirs = debian.glyphIndexesForString(QString(character));
        ASSERT_EQ(ours.size(), 1);
        ASSERT_EQ(theirs.size(), 1);
        missing += ours.front() == 0 ? 1 : 0;
        EXPECT_EQ(embedded.advancesForGlyphIndexes(ours), debian.advancesForGlyphIndexes(theirs));
        // A face drawn with PostScript curves is embedded with TrueType ones, which follow them
        // within a font unit (a few hundredths of a pixel here) and on whole units.
        const QPainterPath ourOutline = embedded.pathForGlyph(ours.front());
        const QPainterPath theirOutline = debian.pathForGlyph(theirs.front());
        if (debian.fontTable("CFF ").isEmpty()) {
            EXPECT_EQ(ourOutline, theirOutline);
        } else {
            EXPECT_GT(sharedInk(ourOutline, theirOutline), 0.98);
        }
    }
    EXPECT_EQ(missing, 0);
    // Cut down to the window's characters and the Latin and Russian alphabets.
    EXPECT_FALSE(embedded.supportsCharacter(QChar(u'€')));
    EXPECT_FALSE(embedded.supportsCharacter(QChar(u'Ω')));
}

INSTANTIATE_TEST_SUITE_P(AllFiles, RenamedFontFile, testing::ValuesIn(ui::fonts::kEmbeddedFaces),
                         [](const testing::TestParamInfo<EmbeddedFace>& info) {
                             return qString(postscriptName(info.param)).remove(u'-').toStdString();
                         });

} // namespace
