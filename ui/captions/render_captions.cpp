// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build tool: draws the captions the window shows at start into transparent layers, at each
// screen scale given, with the very code the window draws its captions with. It builds the
// window off screen, asks each label and button how its caption looks, and writes
//
//   <output>.bin   the layers' pixels, each starting on a 64-byte boundary
//   <output>.inc   one initializer per layer, {key, left, top, width, height, offset into the
//                  .bin}, the box being the one the caption inks
//
//   render_captions --ratios 1,2 --output <path without extension>
#include "game/random.h"
#include "ui/caption.h"
#include "ui/form1.h"
#include "ui/label_widget.h"
#include "ui/push_button.h"
#include "ui/still_platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>

#include <cstdio>
#include <vector>

namespace {

QImage layerOf(const ui::CaptionLook& look, double ratio) {
    QImage layer(look.size * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    ui::drawCaptionText(painter, look);
    return layer;
}

// The smallest box holding every pixel of the layer that is not transparent (at least one pixel).
QRect inkBox(const QImage& layer) {
    QRect box;
    for (int y = 0; y < layer.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(row[x]) != 0) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box.isEmpty() ? QRect(0, 0, 1, 1) : box;
}

// The key as a C++ string literal: octal escapes keep every byte as it is.
QByteArray literal(const QString& key) {
    QByteArray out = "\"";
    for (const char byte : key.toUtf8()) {
        out += QStringLiteral("\\%1")
                   .arg(static_cast<unsigned char>(byte), 3, 8, QLatin1Char('0'))
                   .toLatin1();
    }
    return out + '"';
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the window's captions at start into layers the game embeds."));
    parser.addHelpOption();
    const QCommandLineOption ratiosOption(QStringLiteral("ratios"),
                                          QStringLiteral("Screen scales, comma-separated."),
                                          QStringLiteral("list"));
    const QCommandLineOption outputOption(
        QStringLiteral("output"),
        QStringLiteral("Path of the .bin and .inc to write, without extension."),
        QStringLiteral("path"));
    parser.addOption(ratiosOption);
    parser.addOption(outputOption);
    parser.process(application);
    std::vector<double> ratios;
    for (const QString& text : parser.value(ratiosOption).split(QLatin1Char(','))) {
        bool ok = false;
        const double ratio = text.toDouble(&ok);
        if (!ok || ratio <= 0) {
            std::fprintf(stderr, "render_captions: bad --ratios '%s'\n",
                         qPrintable(parser.value(ratiosOption)));
            return 2;
        }
        ratios.push_back(ratio);
    }
    const QString output = parser.value(outputOption);
    if (output.isEmpty()) {
        std::fprintf(stderr, "render_captions: give --output\n");
        return 2;
    }

    game::SeededRandom random;
    ui::StillPlatform still;
    ui::Form1 window({random, still, still, still, still, {}});
    std::vector<ui::CaptionLook> looks;
    for (const ui::LabelWidget* label : window.findChildren<ui::LabelWidget*>()) {
        looks.push_back(label->captionLook());
    }
    for (const ui::PushButton* button : window.findChildren<ui::PushButton*>()) {
        looks.push_back(button->captionLook());
    }

    QByteArray pixels;
    QByteArray table;
    QSet<QString> written; // the card ranks look alike
    for (const ui::CaptionLook& look : looks) {
        if (look.text.isEmpty()) {
            continue;
        }
        for (const double ratio : ratios) {
            const QString key = look.layerKey(ratio);
            if (written.contains(key)) {
                continue;
            }
            written.insert(key);
            const QImage whole = layerOf(look, ratio);
            const QRect ink = inkBox(whole);
            const QImage layer = whole.copy(ink);
            pixels.append((64 - pixels.size() % 64) % 64, '\0');
            table += "{" + literal(key) + ", " + QByteArray::number(ink.x()) + ", " +
                     QByteArray::number(ink.y()) + ", " + QByteArray::number(layer.width()) + ", " +
                     QByteArray::number(layer.height()) + ", " + QByteArray::number(pixels.size()) +
                     "},\n";
            for (int y = 0; y < layer.height(); ++y) {
                pixels.append(reinterpret_cast<const char*>(layer.constScanLine(y)),
                              layer.width() * 4);
            }
        }
    }
    QFile bin(output + QStringLiteral(".bin"));
    QFile inc(output + QStringLiteral(".inc"));
    if (!bin.open(QIODevice::WriteOnly) || bin.write(pixels) != pixels.size() ||
        !inc.open(QIODevice::WriteOnly) || inc.write(table) != table.size()) {
        std::fprintf(stderr, "render_captions: cannot write %s.bin and .inc\n", qPrintable(output));
        return 1;
    }
    return 0;
}
