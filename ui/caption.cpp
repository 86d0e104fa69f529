// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/caption.h"

#include "ui/fonts/window_fonts.h"

#include <QImage>
#include <QPainter>
#include <QStringBuilder>

#include <cmath>

namespace ui {
namespace {

std::span<const CaptionLayer> captionLayers;

bool whole(double value) {
    return std::abs(value - std::round(value)) < 1e-9;
}

} // namespace

QString CaptionLook::layerKey(double ratio) const {
    // Everything of the font that changes how text comes out, then the colour, the box, the
    // flags, the control's size and the scale.
    const QChar bar(u'|');
    return text % bar % font.family() % bar % QString::number(font.pixelSize()) % bar %
           QString::number(font.weight()) % bar % QString::number(font.style()) % bar %
           QString::number(font.hintingPreference()) % bar % QString::number(font.styleStrategy()) %
           bar % QString::number(font.kerning()) % bar % color.name(QColor::HexArgb) % bar %
           QString::number(rect.x()) % u',' % QString::number(rect.y()) % u',' %
           QString::number(rect.width()) % u',' % QString::number(rect.height()) % bar %
           QString::number(flags) % bar % QString::number(size.width()) % u'x' %
           QString::number(size.height()) % bar % QString::number(ratio);
}

void useCaptionLayers(std::span<const CaptionLayer> layers) {
    captionLayers = layers;
}

const CaptionLayer* findCaptionLayer(const CaptionLook& look, double ratio) {
    if (captionLayers.empty()) {
        return nullptr;
    }
    const QByteArray key = look.layerKey(ratio).toUtf8();
    const std::string_view wanted(key.constData(), static_cast<std::size_t>(key.size()));
    for (const CaptionLayer& layer : captionLayers) {
        if (layer.key == wanted) {
            return &layer;
        }
    }
    return nullptr;
}

void drawCaptionText(QPainter& painter, const CaptionLook& look) {
    // The faces are registered when text is first drawn: a window whose captions all come from
    // layers reads no font before its first frame.
    loadBundledFonts();
    painter.save();
    painter.setFont(look.font);
    painter.setPen(QPen(look.color, 1));
    painter.drawText(look.rect, look.flags, look.text);
    painter.restore();
}

void drawCaption(QPainter& painter, const CaptionLook& look) {
    const QTransform toDevice = painter.deviceTransform();
    const double ratio = toDevice.m11();
    // A layer's pixel lands on exactly one device pixel only under a plain scale and a move by
    // whole device pixels.
    const bool oneToOne = toDevice.type() <= QTransform::TxScale && toDevice.m22() == ratio &&
                          whole(toDevice.dx()) && whole(toDevice.dy());
    const CaptionLayer* layer = oneToOne ? findCaptionLayer(look, ratio) : nullptr;
    if (layer == nullptr) {
        drawCaptionText(painter, look);
        return;
    }
    QImage image(layer->pixels, layer->width, layer->height, layer->width * 4,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(layer->left / ratio, layer->top / ratio), image);
}

} // namespace ui
