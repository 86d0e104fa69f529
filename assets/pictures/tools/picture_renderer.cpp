// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/pictures/tools/picture_renderer.h"

#include "assets/pictures/tools/svg_composition.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cmath>
#include <optional>

namespace picture_tool {
namespace {

// Inset pictures may hold insets of their own, but not without end.
constexpr int kMaxInsetDepth = 4;

QStringList* activeWarnings = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (activeWarnings != nullptr && type != QtDebugMsg && type != QtInfoMsg) {
        activeWarnings->append(message);
    }
}

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

QRgb dominantColour(const QImage& image, int left, int top) {
    QHash<QRgb, int> counts;
    QRgb best = image.pixel(left + kBlockSize / 2, top + kBlockSize / 2);
    int bestCount = 1;
    for (int y = top; y < top + kBlockSize; ++y) {
        for (int x = left; x < left + kBlockSize; ++x) {
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

QImage drawOn(QSvgRenderer& renderer, const QSize& canvas, bool antialias, QRgb background) {
    const int scale = antialias ? 1 : kBlockSize;
    QImage image(canvas * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(canvas * scale)));
    painter.end();
    if (antialias) {
        return image;
    }
    QImage hard(canvas, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            hard.setPixel(x, y, dominantColour(image, x * kBlockSize, y * kBlockSize));
        }
    }
    return hard;
}

// The first pixel through which the background shows, if any.
std::optional<QPoint> firstUncoveredPixel(const QImage& onBlack, const QImage& onWhite) {
    for (int y = 0; y < onBlack.height(); ++y) {
        for (int x = 0; x < onBlack.width(); ++x) {
            if (onBlack.pixel(x, y) != onWhite.pixel(x, y)) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

RenderResult render(const QString& layoutPath, const QStringList& partPaths, int depth);

// Replaces every <image data-picture="file.svg" .../> by the rendered picture, inline.
QString resolveInsets(const QString& svg, const QString& layoutPath, const QStringList& partPaths,
                      int depth, QString& error) {
    static const QRegularExpression inset(
        QStringLiteral(R"re(<image\b([^>]*?)\bdata-picture\s*=\s*"([^"]+)"([^>]*)>)re"));
    static const QRegularExpression widthAttribute(
        QStringLiteral(R"re(\bwidth\s*=\s*"([^"]+)")re"));
    static const QRegularExpression heightAttribute(
        QStringLiteral(R"re(\bheight\s*=\s*"([^"]+)")re"));
    QString result;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : inset.globalMatch(svg)) {
        const QString otherAttributes = match.captured(1) + match.captured(3);
        const QString path = QFileInfo(layoutPath).dir().filePath(match.captured(2));
        if (depth >= kMaxInsetDepth) {
            error = QStringLiteral("%1: inset pictures nested too deeply").arg(layoutPath);
            return {};
        }
        const RenderResult inner = render(path, partPaths, depth + 1);
        if (inner.image.isNull()) {
            error = inner.error;
            return {};
        }
        const QSize box(widthAttribute.match(otherAttributes).captured(1).toInt(),
                        heightAttribute.match(otherAttributes).captured(1).toInt());
        if (box != inner.image.size()) {
            error = QStringLiteral("%1: the box for %2 is %3x%4, the picture is %5x%6")
                        .arg(layoutPath, path)
                        .arg(box.width())
                        .arg(box.height())
                        .arg(inner.image.width())
                        .arg(inner.image.height());
            return {};
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        inner.image.save(&buffer, "PNG");
        result += svg.mid(copied, match.capturedStart() - copied);
        result +=
            QStringLiteral("<image%1 xlink:href=\"data:image/png;base64,%2\"%3>")
                .arg(match.captured(1), QString::fromLatin1(png.toBase64()), match.captured(3));
        copied = match.capturedEnd();
    }
    result += svg.mid(copied);
    return result;
}

RenderResult render(const QString& layoutPath, const QStringList& partPaths, int depth) {
    const std::optional<SourceFile> layout = readSource(layoutPath);
    if (!layout) {
        return {{}, QStringLiteral("cannot read %1").arg(layoutPath)};
    }
    QList<SourceFile> parts;
    for (const QString& path : partPaths) {
        std::optional<SourceFile> part = readSource(path);
        if (!part) {
            return {{}, QStringLiteral("cannot read %1").arg(path)};
        }
        parts.append(*part);
    }
    const Composition composition = compose(*layout, parts);
    if (!composition.error.isEmpty()) {
        return {{}, composition.error};
    }
    QString error;
    const QString svg = resolveInsets(composition.svg, layoutPath, partPaths, depth, error);
    if (!error.isEmpty()) {
        return {{}, error};
    }

    static const QRegularExpression aliasedRoot(
        QStringLiteral(R"re(<svg\b[^>]*\bdata-antialias\s*=\s*"off")re"));
    const bool antialias = !aliasedRoot.match(layout->text).hasMatch();

    QStringList warnings;
    activeWarnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    QSvgRenderer renderer(svg.toUtf8());
    qInstallMessageHandler(previous);
    activeWarnings = nullptr;
    if (!renderer.isValid() || !warnings.isEmpty()) {
        return {{},
                QStringLiteral("%1: the SVG renderer rejects it:\n  %2")
                    .arg(layoutPath, warnings.join(QStringLiteral("\n  ")))};
    }

    const QRectF viewBox = renderer.viewBoxF();
    const QSize canvas(qRound(viewBox.width()), qRound(viewBox.height()));
    if (viewBox.topLeft() != QPointF(0, 0) || std::abs(viewBox.width() - canvas.width()) > 1e-9 ||
        std::abs(viewBox.height() - canvas.height()) > 1e-9 || canvas.isEmpty()) {
        return {{},
                QStringLiteral("%1: the viewBox must start at 0,0 and be whole pixels")
                    .arg(layoutPath)};
    }

    const QImage onBlack = drawOn(renderer, canvas, antialias, qRgb(0, 0, 0));
    const QImage onWhite = drawOn(renderer, canvas, antialias, qRgb(255, 255, 255));
    if (const std::optional<QPoint> hole = firstUncoveredPixel(onBlack, onWhite)) {
        return {{},
                QStringLiteral("%1: pixel %2,%3 is not fully covered; a picture must be opaque")
                    .arg(layoutPath)
                    .arg(hole->x())
                    .arg(hole->y())};
    }
    return {onBlack.convertToFormat(QImage::Format_RGB32), {}};
}

} // namespace

RenderResult renderPicture(const QString& layoutPath, const QStringList& partPaths) {
    return render(layoutPath, partPaths, 0);
}

} // namespace picture_tool
