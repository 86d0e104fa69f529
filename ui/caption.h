// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the window's labels and buttons draw their captions, and the captions drawn ahead of time.
//
// Drawing text is the costliest part of the window's first frame: the faces are read, each
// glyph is hinted and rasterised, each line shaped. The captions the window shows at start are
// therefore drawn at build time (ui/captions/), by this same code, into transparent layers the
// program embeds; a control whose caption looks exactly as one of them draws the layer instead.
// Any other caption, and every caption at a scale without layers, is drawn as text.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <span>
#include <string_view>

class QPainter;

namespace ui {

// Everything that decides how a caption's pixels come out.
struct CaptionLook {
    QString text;
    QFont font;
    QColor color;
    QRect rect;    // the text's box, in the control's logical pixels
    int flags = 0; // Qt::AlignmentFlag and Qt::TextFlag values
    QSize size;    // the control's size, which the layer covers

    // Names the layer of this look drawn at a device pixel ratio.
    QString layerKey(double ratio) const;
};

// A caption drawn ahead: premultiplied 32-bit pixels (QImage::Format_ARGB32_Premultiplied) of
// the box its text inks in the control, in device pixels at its scale.
struct CaptionLayer {
    std::string_view key; // CaptionLook::layerKey, UTF-8
    int left;             // the box in the control
    int top;
    int width;
    int height;
    const unsigned char* pixels;
};

// The layers drawCaption may use; the game gives it the embedded ones before its window exists.
void useCaptionLayers(std::span<const CaptionLayer> layers);

// The layer of the look at a device pixel ratio, or null.
const CaptionLayer* findCaptionLayer(const CaptionLook& look, double ratio);

// Draws the caption as text, the way the toolkit's styles draw a control's text.
void drawCaptionText(QPainter& painter, const CaptionLook& look);

// Draws the caption from its layer where one matches the look and the painter maps the layer's
// pixels one to one onto the device; otherwise draws it as text.
void drawCaption(QPainter& painter, const CaptionLook& look);

} // namespace ui
