// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pictures/picture_renderer.h"

#include "tools/common/build_tool.h"
#include "tools/pictures/svg_composition.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <optional>

namespace picture_tool {
namespace {

// Inset pictures may hold insets of their own, but not without end.
constexpr int kMaxInsetDepth = 4;

std::optional<SourceFile> readSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return SourceFile{path, QString::fromUtf8(file.readAll())};
}

// Qt's SVG renderer always draws with antialiasing. For hard pixel edges the picture is drawn
// this many times larger, and each pixel takes the colour that covers most of its block there:
// shapes keep their exact colours and each pixel belongs wholly to one of them.
constexpr int kBlockSize = 8;

QRgb dominantColour(const QImage& image, int left, int top, int block) {
    QHash<QRgb, int> counts;
    QRgb best = image.pixel(left + block / 2, top + block / 2);
    int bestCount = 1;
    for (int y = top; y < top + block; ++y) {
        for (int x = left; x < left + block; ++x) {
            const QRgb colour = image.pixel(x, y);
            const int n = ++counts[colour];
            if (n > bestCount) {
                best = colour;
                bestCount = n;
            }
        }
    }
    return best; // the middle sample where no colour repeats (inside a gradient)
}

// An sRGB channel value as light, 0 to 1, and back.
double toLinear(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int fromLinear(double light) {
    const double c = light <= 0.0031308 ? light * 12.92 : 1.055 * std::pow(light, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(std::clamp(c, 0.0, 1.0) * 255));
}

// Where the layout lands on the device pixels: `ratio` device pixels to an SVG unit, the layout's
// origin `offset` device pixels into the first pixel (an inset's box need not start on a device
// pixel), and the whole device pixels that the layout touches.
struct Placement {
    double ratio = 1;
    QPointF offset;
    QSize pixels;
};

QImage drawOn(QSvgRenderer& renderer, const QSizeF& canvas, const Placement& at, bool antialias,
              QRgb background) {
    const int block = antialias ? 1 : kBlockSize;
    QImage image(at.pixels * block, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.translate(at.offset * block);
    renderer.render(&painter, QRectF(QPointF(0, 0), canvas * at.ratio * block));
    painter.end();
    if (antialias) {
        return image;
    }
    QImage hard(at.pixels, QImage::Format_ARGB32_Premultiplied);
    if (std::abs(at.ratio - std::round(at.ratio)) < 1e-9) {
        for (int y = 0; y < at.pixels.height(); ++y) {
            for (int x = 0; x < at.pixels.width(); ++x) {
                hard.setPixel(x, y,
                              dominantColour(image, x * kBlockSize, y * kBlockSize, kBlockSize));
            }
        }
        return hard;
    }
    // At a fractional scale hard pixels cannot follow the art's pixel grid: lines and dots come
    // out one and then two device pixels wide. The art is drawn in hard pixels at twice the
    // scale and halved with a box filter instead, so it keeps its shapes with smooth edges. The
    // four pixels are averaged as light (linear sRGB), as the eye mixes them, so the picture
    // keeps its tone.
    constexpr int kHalf = kBlockSize / 2;
    for (int y = 0; y < at.pixels.height(); ++y) {
        for (int x = 0; x < at.pixels.width(); ++x) {
            double sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    // Premultiplied: a transparent sample adds no light.
                    const QRgb c = dominantColour(image, x * kBlockSize + dx * kHalf,
                                                  y * kBlockSize + dy * kHalf, kHalf);
                    sum[0] += toLinear(qRed(c));
                    sum[1] += toLinear(qGreen(c));
                    sum[2] += toLinear(qBlue(c));
                    sum[3] += qAlpha(c);
                }
            }
            hard.setPixel(x, y,
                          qRgba(fromLinear(sum[0] / 4), fromLinear(sum[1] / 4),
                                fromLinear(sum[2] / 4), static_cast<int>(std::lround(sum[3] / 4))));
        }
    }
    return hard;
}

// The first pixel through which the background shows, if any.
std::optional<QPoint> firstUncoveredPixel(const QImage& onBlack, const QImage& onWhite,
                                          const QSize& area) {
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            if (onBlack.pixel(x, y) != onWhite.pixel(x, y)) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// A device pixel that the layout's edge only partly covers takes the colour of its neighbour
// inside: at a fractional scale the picture's last column and row lie partly beyond it.
void extendEdges(QImage& image, const QSize& covered) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = covered.width(); x < image.width(); ++x) {
            image.setPixel(x, y,
                           image.pixel(covered.width() - 1, std::min(y, covered.height() - 1)));
        }
    }
    for (int y = covered.height(); y < image.height(); ++y) {
        for (int x = 0; x < covered.width(); ++x) {
            image.setPixel(x, y, image.pixel(x, covered.height() - 1));
        }
    }
}

RenderResult render(const QString& layoutPath, const QStringList& partPaths, int depth,
                    const Placement& at, bool inset);

bool isOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 255) {
                return false;
            }
        }
    }
    return true;
}

int wholePixels(double length) {
    return static_cast<int>(std::ceil(length - 1e-9));
}

// Replaces every <image data-picture="file.svg" .../> by the rendered picture, inline. At a scale
// the inset is drawn at device resolution on exactly the device pixels its box touches, with what
// lies outside its box left transparent, and placed on those pixels so that it is not resampled.
QString resolveInsets(const QString& svg, const QString& layoutPath, const QStringList& partPaths,
                      int depth, double ratio, QString& error) {
    static const QRegularExpression inset(
        QStringLiteral(R"re(<image\b([^>]*?)\bdata-picture\s*=\s*"([^"]+)"([^>]*)>)re"));
    static const QRegularExpression numberAttribute(
        QStringLiteral(R"re(\b(x|y|width|height)\s*=\s*"([^"]+)")re"));
    QString result;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : inset.globalMatch(svg)) {
        const QString before = QString(match.captured(1)).remove(numberAttribute);
        const QString after = QString(match.captured(3)).remove(numberAttribute);
        const QString otherAttributes = match.captured(1) + match.captured(3);
        const QString path = QFileInfo(layoutPath).dir().filePath(match.captured(2));
        if (depth >= kMaxInsetDepth) {
            error = QStringLiteral("%1: inset pictures nested too deeply").arg(layoutPath);
            return {};
        }
        QHash<QString, double> box{{QStringLiteral("x"), 0}, {QStringLiteral("y"), 0}};
        for (const QRegularExpressionMatch& number : numberAttribute.globalMatch(otherAttributes)) {
            box[number.captured(1)] = number.captured(2).toDouble();
        }
        // The device pixels the box touches, and where in the first of them the box starts.
        const QPointF start(box.value(QStringLiteral("x")) * ratio,
                            box.value(QStringLiteral("y")) * ratio);
        const QPointF first(std::floor(start.x() + 1e-9), std::floor(start.y() + 1e-9));
        const QSizeF size(box.value(QStringLiteral("width")), box.value(QStringLiteral("height")));
        Placement at{ratio, start - first, {}};
        at.pixels = QSize(wholePixels(at.offset.x() + size.width() * ratio),
                          wholePixels(at.offset.y() + size.height() * ratio));
        const RenderResult inner = render(path, partPaths, depth + 1, at, true);
        if (inner.image.isNull()) {
            error = inner.error;
            return {};
        }
        if (size != inner.canvas) {
            error = QStringLiteral("%1: the box for %2 is %3x%4, the picture is %5x%6")
                        .arg(layoutPath, path)
                        .arg(size.width())
                        .arg(size.height())
                        .arg(inner.canvas.width())
                        .arg(inner.canvas.height());
            return {};
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        inner.image.save(&buffer, "PNG");
        result += svg.mid(copied, match.capturedStart() - copied);
        result += QStringLiteral(R"(<image%1 x="%2" y="%3" width="%4" height="%5" )"
                                 R"(xlink:href="data:image/png;base64,%6"%7>)")
                      .arg(before)
                      .arg(first.x() / ratio)
                      .arg(first.y() / ratio)
                      .arg(inner.image.width() / ratio)
                      .arg(inner.image.height() / ratio)
                      .arg(QString::fromLatin1(png.toBase64()), after);
        copied = match.capturedEnd();
    }
    result += svg.mid(copied);
    return result;
}

RenderResult render(const QString& layoutPath, const QStringList& partPaths, int depth,
                    const Placement& requested, bool inset) {
    const double ratio = requested.ratio;
    const std::optional<SourceFile> read = readSource(layoutPath);
    if (!read) {
        return {{}, QStringLiteral("cannot read %1").arg(layoutPath), {}};
    }
    const Composition layout = keepForRatio(*read, ratio);
    if (!layout.error.isEmpty()) {
        return {{}, layout.error, {}};
    }
    QList<SourceFile> parts;
    for (const QString& path : partPaths) {
        std::optional<SourceFile> part = readSource(path);
        if (!part) {
            return {{}, QStringLiteral("cannot read %1").arg(path), {}};
        }
        const Composition kept = keepForRatio(*part, ratio);
        if (!kept.error.isEmpty()) {
            return {{}, kept.error, {}};
        }
        parts.append({path, kept.svg});
    }
    const Composition composition = compose({layoutPath, layout.svg}, parts);
    if (!composition.error.isEmpty()) {
        return {{}, composition.error, {}};
    }
    QString error;
    const QString svg = resolveInsets(composition.svg, layoutPath, partPaths, depth, ratio, error);
    if (!error.isEmpty()) {
        return {{}, error, {}};
    }

    static const QRegularExpression aliasedRoot(
        QStringLiteral(R"re(<svg\b[^>]*\bdata-antialias\s*=\s*"off")re"));
    const bool antialias = !aliasedRoot.match(layout.svg).hasMatch();

    QSvgRenderer renderer;
    const QStringList warnings = build_tool::loadSvg(renderer, svg.toUtf8());
    if (!renderer.isValid() || !warnings.isEmpty()) {
        return {{},
                QStringLiteral("%1: the SVG renderer rejects it:\n  %2")
                    .arg(layoutPath, warnings.join(QStringLiteral("\n  "))),
                {}};
    }

    const QRectF viewBox = renderer.viewBoxF();
    const QSize canvas(qRound(viewBox.width()), qRound(viewBox.height()));
    if (viewBox.topLeft() != QPointF(0, 0) || std::abs(viewBox.width() - canvas.width()) > 1e-9 ||
        std::abs(viewBox.height() - canvas.height()) > 1e-9 || canvas.isEmpty()) {
        return {
            {},
            QStringLiteral("%1: the viewBox must start at 0,0 and be whole pixels").arg(layoutPath),
            {}};
    }

    if (inset) {
        // Whatever its box does not cover stays transparent, so the picture beneath shows there.
        QImage image = drawOn(renderer, QSizeF(canvas), requested, antialias, qRgba(0, 0, 0, 0));
        if (isOpaque(image)) {
            image = image.convertToFormat(QImage::Format_RGB32);
        }
        return {image, {}, QSizeF(canvas)};
    }

    Placement at{ratio,
                 {},
                 QSize(wholePixels(canvas.width() * ratio), wholePixels(canvas.height() * ratio))};
    const QSize covered(static_cast<int>(std::floor(canvas.width() * ratio + 1e-9)),
                        static_cast<int>(std::floor(canvas.height() * ratio + 1e-9)));
    const QImage onBlack = drawOn(renderer, QSizeF(canvas), at, antialias, qRgb(0, 0, 0));
    const QImage onWhite = drawOn(renderer, QSizeF(canvas), at, antialias, qRgb(255, 255, 255));
    if (const std::optional<QPoint> hole = firstUncoveredPixel(onBlack, onWhite, covered)) {
        return {{},
                QStringLiteral("%1: pixel %2,%3 is not fully covered; a picture must be opaque")
                    .arg(layoutPath)
                    .arg(hole->x())
                    .arg(hole->y()),
                {}};
    }
    QImage image = onBlack.convertToFormat(QImage::Format_RGB32);
    extendEdges(image, covered);
    return {image, {}, QSizeF(canvas)};
}

} // namespace

RenderResult renderPicture(const QString& layoutPath, const QStringList& partPaths, double ratio) {
    return render(layoutPath, partPaths, 0, Placement{ratio, {}, {}}, false);
}

} // namespace picture_tool
