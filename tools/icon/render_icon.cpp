// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: renders the application icon from its SVG to a square PNG with an alpha
// channel, antialiased, with the background outside the drawing left transparent.
//
//   render_icon --size N --output out.png icon.svg
//
// The SVG's viewBox must be square, so the drawing fills the PNG without being stretched. The
// tool fails (exit code 1, with a message) if Qt's SVG renderer warns about anything, so an
// unsupported element or a broken reference stops the build instead of leaving a hole.

#include "tools/common/build_tool.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "render_icon: %s\n", qPrintable(message));
    return 1;
}

int render(const QString& source, int size, const QString& output) {
    QSvgRenderer renderer;
    const QStringList warnings = build_tool::loadSvg(renderer, source);
    if (!renderer.isValid() || !warnings.isEmpty()) {
        return fail(QStringLiteral("%1: the SVG renderer rejects it:\n  %2")
                        .arg(source, warnings.join(QStringLiteral("\n  "))));
    }
    const QRectF viewBox = renderer.viewBoxF();
    if (viewBox.isEmpty() || std::abs(viewBox.width() - viewBox.height()) > 1e-9) {
        return fail(QStringLiteral("%1: the viewBox must be square").arg(source));
    }

    // Premultiplied ARGB is what QPainter draws into fastest; filled with transparent black,
    // whatever the SVG leaves unpainted stays see-through.
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();

    if (!image.save(output, "PNG")) {
        return fail(QStringLiteral("cannot write %1").arg(output));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing into a QImage needs no display, and the icon has no text, so no fonts either.
    const QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Renders the application icon from its SVG to a square PNG."));
    parser.addHelpOption();
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("The width and height of the PNG, in pixels."),
                                  QStringLiteral("N"));
    const QCommandLineOption output(
        QStringLiteral("output"), QStringLiteral("The PNG file to write."), QStringLiteral("file"));
    parser.addOptions({size, output});
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("The icon's SVG."),
                                 QStringLiteral("icon.svg"));
    parser.process(application);

    const QStringList positional = parser.positionalArguments();
    if (!parser.isSet(size) || !parser.isSet(output) || positional.size() != 1) {
        return fail(QStringLiteral("give --size, --output and one SVG; see --help"));
    }
    bool isNumber = false;
    const int pixels = parser.value(size).toInt(&isNumber);
    if (!isNumber || pixels < 1 || pixels > 4096) {
        return fail(QStringLiteral("--size must be a whole number from 1 to 4096, not %1")
                        .arg(parser.value(size)));
    }
    return render(positional.first(), pixels, parser.value(output));
}
