// Build-time tool: renders one picture from its SVG sources to an opaque 24-bit PNG.
//
//   render_picture --size WxH --output out.png layout.svg [part.svg ...]
//
// The picture is the top-left WxH of the layout's canvas (picture_renderer.h says how the
// layout is drawn). Any problem with the sources ends the tool with a message and exit code
// 1, so the build stops.

#include "assets/pictures/tools/picture_renderer.h"

#include <QImage>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

struct Options {
    QSize size;
    QString output;
    QString layout;
    QStringList parts;
};

std::optional<Options> parseOptions(const QStringList& arguments) {
    Options options;
    QStringList sources;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QStringLiteral("--size") && i + 1 < arguments.size()) {
            const QStringList parts = arguments.at(++i).split(QLatin1Char('x'));
            if (parts.size() == 2) {
                options.size = QSize(parts.at(0).toInt(), parts.at(1).toInt());
            }
        } else if (argument == QStringLiteral("--output") && i + 1 < arguments.size()) {
            options.output = arguments.at(++i);
        } else {
            sources.append(argument);
        }
    }
    if (options.size.isEmpty() || options.output.isEmpty() || sources.isEmpty()) {
        return std::nullopt;
    }
    options.layout = sources.takeFirst();
    options.parts = sources;
    return options;
}

int fail(const QString& message) {
    std::fprintf(stderr, "render_picture: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing into a QImage needs no application object and no display; the lettering is
    // pixel glyphs, so no fonts are involved either.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const std::optional<Options> options = parseOptions(arguments);
    if (!options) {
        return fail(QStringLiteral(
            "usage: render_picture --size WxH --output out.png layout.svg [part.svg ...]"));
    }
    const picture_tool::RenderResult result =
        picture_tool::renderPicture(options->layout, options->parts);
    if (result.image.isNull()) {
        return fail(result.error);
    }
    if (options->size.width() > result.image.width() ||
        options->size.height() > result.image.height()) {
        return fail(QStringLiteral("%1: the canvas is %2x%3, smaller than the picture's %4x%5")
                        .arg(options->layout)
                        .arg(result.image.width())
                        .arg(result.image.height())
                        .arg(options->size.width())
                        .arg(options->size.height()));
    }
    const QImage picture = result.image.copy(QRect(QPoint(0, 0), options->size))
                               .convertToFormat(QImage::Format_RGB888);
    if (!picture.save(options->output, "PNG")) {
        return fail(QStringLiteral("cannot write %1").arg(options->output));
    }
    return 0;
}
