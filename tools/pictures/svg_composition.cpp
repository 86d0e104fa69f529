// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pictures/svg_composition.h"

#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

namespace picture_tool {
namespace {

struct Glyph {
    QString id;
    int width = 0;
};

// Font name -> character -> glyph.
using GlyphTable = QHash<QString, QHash<QChar, Glyph>>;

const QRegularExpression& rootStartTag() {
    static const QRegularExpression pattern(QStringLiteral(R"re(<svg\b[^>]*>)re"));
    return pattern;
}

// Reads the glyph definitions of one file; returns an error text or an empty string.
QString collectGlyphs(const SourceFile& file, GlyphTable& glyphs) {
    QXmlStreamReader reader(file.text);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QXmlStreamAttributes attributes = reader.attributes();
        if (!attributes.hasAttribute(QStringLiteral("data-font"))) {
            continue;
        }
        if (reader.name() != QStringLiteral("g")) {
            continue; // a <text> that uses a font, not a glyph
        }
        const QString font = attributes.value(QStringLiteral("data-font")).toString();
        const QString character = attributes.value(QStringLiteral("data-char")).toString();
        bool widthOk = false;
        const int width = attributes.value(QStringLiteral("data-width")).toInt(&widthOk);
        const QString id = attributes.value(QStringLiteral("id")).toString();
        if (character.size() != 1 || !widthOk || width < 0 || id.isEmpty()) {
            return QStringLiteral("%1:%2: a glyph needs id, one-character data-char and "
                                  "data-width")
                .arg(file.path)
                .arg(reader.lineNumber());
        }
        if (glyphs[font].contains(character.front())) {
            return QStringLiteral("%1:%2: glyph '%3' of font %4 defined twice")
                .arg(file.path)
                .arg(reader.lineNumber())
                .arg(character, font);
        }
        glyphs[font].insert(character.front(), Glyph{id, width});
    }
    if (reader.hasError()) {
        return QStringLiteral("%1:%2: %3")
            .arg(file.path)
            .arg(reader.lineNumber())
            .arg(reader.errorString());
    }
    return {};
}

// The attributes of a start tag, in order.
QList<std::pair<QString, QString>> parseAttributes(const QString& tagBody) {
    static const QRegularExpression pattern(QStringLiteral(R"re(([\w:-]+)\s*=\s*"([^"]*)")re"));
    QList<std::pair<QString, QString>> result;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(tagBody)) {
        result.append({match.captured(1), match.captured(2)});
    }
    return result;
}

QString attribute(const QList<std::pair<QString, QString>>& attributes, const QString& name,
                  const QString& fallback = {}) {
    for (const auto& [key, value] : attributes) {
        if (key == name) {
            return value;
        }
    }
    return fallback;
}

// Expands one <text data-font> element into glyph references; sets error on failure.
QString expandText(const QString& tagBody, const QString& content, const GlyphTable& glyphs,
                   QString& error) {
    const auto attributes = parseAttributes(tagBody);
    const QString fontName = attribute(attributes, QStringLiteral("data-font"));
    if (fontName.isEmpty()) {
        error = QStringLiteral("text \"%1\" is not in a pixel font (give it a data-font)")
                    .arg(content.trimmed());
        return {};
    }
    const auto font = glyphs.constFind(fontName);
    if (font == glyphs.constEnd()) {
        error = QStringLiteral("text \"%1\": unknown pixel font '%2'").arg(content, fontName);
        return {};
    }
    const int spacing = attribute(attributes, QStringLiteral("letter-spacing"), "1").toInt();
    const QString text = content.trimmed();

    QString uses;
    int pen = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto glyph = font->constFind(text.at(i));
        if (glyph == font->constEnd()) {
            error = QStringLiteral("text \"%1\": font '%2' has no glyph for '%3'")
                        .arg(text, fontName, text.at(i));
            return {};
        }
        uses += QStringLiteral("<use xlink:href=\"#%1\" x=\"%2\"/>").arg(glyph->id).arg(pen);
        pen += glyph->width + (i + 1 < text.size() ? spacing : 0);
    }
    const int width = pen;

    double x = attribute(attributes, QStringLiteral("x"), "0").toDouble();
    const double y = attribute(attributes, QStringLiteral("y"), "0").toDouble();
    const QString anchor = attribute(attributes, QStringLiteral("text-anchor"), "start");
    if (anchor == QStringLiteral("middle")) {
        x = std::floor(x - width / 2.0);
    } else if (anchor == QStringLiteral("end")) {
        x -= width;
    }

    static const QStringList consumed = {
        "x", "y", "data-font", "text-anchor", "letter-spacing", "transform"};
    QString kept;
    for (const auto& [key, value] : attributes) {
        if (!consumed.contains(key)) {
            kept += QStringLiteral(" %1=\"%2\"").arg(key, value);
        }
    }
    QString group = QStringLiteral("<g%1 transform=\"translate(%2,%3)\">%4</g>")
                        .arg(kept)
                        .arg(x)
                        .arg(y)
                        .arg(uses);
    const QString ownTransform = attribute(attributes, QStringLiteral("transform"));
    if (!ownTransform.isEmpty()) {
        group = QStringLiteral("<g transform=\"%1\">%2</g>").arg(ownTransform, group);
    }
    return group;
}

// Whether an element with these attributes is drawn at the scale; sets error on a bad value.
bool drawnAt(const QXmlStreamAttributes& attributes, double ratio, QString& error) {
    constexpr double kSlack = 1e-9;
    // At least the minimum (+1), at most the maximum (-1).
    const std::pair<QString, int> bounds[] = {{QStringLiteral("data-min-ratio"), +1},
                                              {QStringLiteral("data-max-ratio"), -1}};
    for (const auto& [name, keepIf] : bounds) {
        if (!attributes.hasAttribute(name)) {
            continue;
        }
        bool ok = false;
        const double bound = attributes.value(name).toDouble(&ok);
        if (!ok || bound <= 0) {
            error = QStringLiteral("%1=\"%2\" is not a scale").arg(name, attributes.value(name));
            return false;
        }
        if (keepIf * (ratio - bound) < -kSlack) {
            return false;
        }
    }
    return true;
}

} // namespace

Composition keepForRatio(const SourceFile& source, double ratio) {
    if (!source.text.contains(QStringLiteral("data-min-ratio")) &&
        !source.text.contains(QStringLiteral("data-max-ratio"))) {
        return {source.text, {}};
    }
    QXmlStreamReader reader(source.text);
    reader.setNamespaceProcessing(false);
    QString kept;
    QXmlStreamWriter writer(&kept);
    int skipping = 0; // depth inside a dropped element
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (skipping > 0) {
            skipping += token == QXmlStreamReader::StartElement ? 1 : 0;
            skipping -= token == QXmlStreamReader::EndElement ? 1 : 0;
            continue;
        }
        switch (token) {
        case QXmlStreamReader::StartElement: {
            QString error;
            if (!drawnAt(reader.attributes(), ratio, error)) {
                if (!error.isEmpty()) {
                    return {{},
                            QStringLiteral("%1:%2: %3")
                                .arg(source.path)
                                .arg(reader.lineNumber())
                                .arg(error)};
                }
                skipping = 1;
                break;
            }
            writer.writeStartElement(reader.qualifiedName().toString());
            for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                writer.writeAttribute(attribute.qualifiedName().toString(),
                                      attribute.value().toString());
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            writer.writeCharacters(reader.text().toString());
            break;
        case QXmlStreamReader::Comment:
            writer.writeComment(reader.text().toString());
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        return {{},
                QStringLiteral("%1:%2: %3")
                    .arg(source.path)
                    .arg(reader.lineNumber())
                    .arg(reader.errorString())};
    }
    return {kept, {}};
}

Composition compose(const SourceFile& layout, const QList<SourceFile>& parts) {
    GlyphTable glyphs;
    QString spliced;
    for (const SourceFile& part : parts) {
        if (QString error = collectGlyphs(part, glyphs); !error.isEmpty()) {
            return {{}, error};
        }
        const QRegularExpressionMatch root = rootStartTag().match(part.text);
        const qsizetype end = part.text.lastIndexOf(QStringLiteral("</svg>"));
        if (!root.hasMatch() || end < root.capturedEnd()) {
            return {{}, part.path + QStringLiteral(": no root <svg> element")};
        }
        spliced += QStringLiteral("\n<!-- from %1 -->\n").arg(part.path);
        spliced += part.text.mid(root.capturedEnd(), end - root.capturedEnd());
    }
    if (QString error = collectGlyphs(layout, glyphs); !error.isEmpty()) {
        return {{}, error};
    }

    QString svg = layout.text;
    const QRegularExpressionMatch root = rootStartTag().match(svg);
    if (!root.hasMatch()) {
        return {{}, layout.path + QStringLiteral(": no root <svg> element")};
    }
    svg.insert(root.capturedEnd(), spliced);

    static const QRegularExpression textElement(
        QStringLiteral(R"re(<text\b([^>]*)>([^<]*)</text>)re"));
    QString expanded;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : textElement.globalMatch(svg)) {
        QString error;
        const QString group = expandText(match.captured(1), match.captured(2), glyphs, error);
        if (!error.isEmpty()) {
            return {{}, layout.path + QStringLiteral(": ") + error};
        }
        expanded += svg.mid(copied, match.capturedStart() - copied) + group;
        copied = match.capturedEnd();
    }
    expanded += svg.mid(copied);

    // Qt's SVG renderer drops a class's fill when the element also has a fill attribute of its
    // own (fill-rule, fill-opacity...) and paints it black instead.
    static const QRegularExpression classWithFill(
        QStringLiteral(R"re(<[\w:-]+\b(?=[^>]*\sclass\s*=)(?=[^>]*\sfill(-[\w-]+)?\s*=)[^>]*>)re"));
    if (const QRegularExpressionMatch match = classWithFill.match(expanded); match.hasMatch()) {
        return {{},
                layout.path + QStringLiteral(": %1 has both a class and a fill attribute; "
                                             "give it one class that sets both")
                                  .arg(match.captured(0))};
    }

    // Anything still set in a font would come out in whatever the build machine has installed.
    if (expanded.contains(QStringLiteral("<text")) || expanded.contains(QStringLiteral("<tspan"))) {
        return {{},
                layout.path + QStringLiteral(": text that is not in a pixel font "
                                             "(give every <text> a data-font and no "
                                             "child elements)")};
    }
    return {expanded, {}};
}

} // namespace picture_tool
