// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: renders one of the game's pictures from its SVG sources at a screen scale, at
// the picture's size in the game's picture catalogue times that scale: as an opaque 24-bit PNG,
// or as the raw pixels the program embeds (32-bit words 0xffRRGGBB in the machine's byte order,
// row after row, as QImage::Format_RGB32 holds them).
//
//   render_picture --picture NAME [--ratio R] [--raw] --output FILE layout.svg [part.svg ...]
//
// The picture is the top-left corner of the layout's canvas (picture_renderer.h says how the
// layout is drawn). Any problem ends the tool with a message and exit code 1, so the build
// stops.

#include "game/pictures.h"
#include "tools/common/build_tool.h"
#include "tools/pictures/picture_renderer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImage>

#include <algorithm>

#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "render_picture: %s\n", qPrintable(message));
    return 1;
}

int render(const QString& name, double ratio, bool raw, const QString& output,
           QStringList sources) {
    const game::PictureInfo* info = game::findPicture(name.toStdString());
    if (info == nullptr) {
        return fail(
            QStringLiteral("%1 is not in the picture catalogue (game/pictures.def)").arg(name));
    }
    const QString layout = sources.takeFirst();
    const picture_tool::RenderResult result = picture_tool::renderPicture(layout, sources, ratio);
    if (result.image.isNull()) {
        return fail(result.error);
    }
    const QSize size(game::devicePixels(info->width, ratio),
                     game::devicePixels(info->height, ratio));
    if (size.width() > result.image.width() || size.height() > result.image.height()) {
        return fail(QStringLiteral("%1: the canvas is %2x%3, smaller than the picture's %4x%5")
                        .arg(layout)
                        .arg(result.image.width())
                        .arg(result.image.height())
                        .arg(size.width())
                        .arg(size.height()));
    }
    const QImage picture = result.image.copy(QRect(QPoint(0, 0), size));
    if (!raw) {
        if (!picture.convertToFormat(QImage::Format_RGB888).save(output, "PNG")) {
            return fail(QStringLiteral("cannot write %1").arg(output));
        }
        return 0;
    }
    if (!build_tool::writeRawPixels(picture.convertToFormat(QImage::Format_RGB32), output)) {
        return fail(QStringLiteral("cannot write %1").arg(output));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing into a QImage needs no display; the lettering is pixel glyphs, so no fonts are
    // involved either.
    const QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Renders one of the game's pictures from its SVG sources."));
    parser.addHelpOption();
    const QCommandLineOption picture(QStringLiteral("picture"),
                                     QStringLiteral("The picture's name in the catalogue."),
                                     QStringLiteral("name"));
    const QCommandLineOption output(
        QStringLiteral("output"), QStringLiteral("The PNG file to write."), QStringLiteral("file"));
    const QCommandLineOption ratio(
        QStringLiteral("ratio"),
        QStringLiteral("The screen scale: device pixels to a pixel of the layout (default 1); "
                       "one of the catalogue's scales."),
        QStringLiteral("scale"), QStringLiteral("1"));
    const QCommandLineOption raw(QStringLiteral("raw"),
                                 QStringLiteral("Write raw RGB32 pixels instead of a PNG."));
    parser.addOptions({picture, output, ratio, raw});
    parser.addPositionalArgument(QStringLiteral("sources"),
                                 QStringLiteral("The layout SVG, then its parts."),
                                 QStringLiteral("layout.svg [part.svg...]"));
    parser.process(application);

    const QStringList positional = parser.positionalArguments();
    if (!parser.isSet(picture) || !parser.isSet(output) || positional.isEmpty()) {
        return fail(QStringLiteral("give --picture, --output and a layout; see --help"));
    }
    bool ratioOk = false;
    const double scale = parser.value(ratio).toDouble(&ratioOk);
    const auto& known = game::kPictureRatios;
    if (!ratioOk || std::find(known.begin(), known.end(), scale) == known.end()) {
        return fail(
            QStringLiteral("--ratio %1 is not one of the catalogue's scales (game/pictures.def)")
                .arg(parser.value(ratio)));
    }
    return render(parser.value(picture), scale, parser.isSet(raw), parser.value(output),
                  positional);
}
