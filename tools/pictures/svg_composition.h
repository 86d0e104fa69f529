// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns a picture's layout SVG and its shared parts into one self-contained SVG document that
// the Qt SVG renderer can draw.
#pragma once

#include <QString>
#include <QStringList>

namespace picture_tool {

struct SourceFile {
    QString path;
    QString text;
};

struct Composition {
    QString svg;   // the document to render; empty on failure
    QString error; // what went wrong, naming the file
};

// Splices the content of every part (everything inside its root <svg> element: styles, defs)
// into the layout right after the layout's root start tag, so the layout can refer to the
// parts' classes and ids. Then replaces every <text data-font="..."> element by <use>
// references to the pixel glyphs that the parts define, so no lettering depends on the fonts
// of the machine that renders it.
//
// A glyph is an element <g id="..." data-font="NAME" data-char="C" data-width="W">, drawn
// with its top-left ink pixel at 0,0. A text element's x and y give the top-left corner of its
// lettering (not a baseline); text-anchor="middle"/"end" centres or right-aligns it on x;
// letter-spacing sets the gap between glyphs in pixels (default 1).
Composition compose(const SourceFile& layout, const QList<SourceFile>& parts);

// The source as drawn at a screen scale (device pixels to an SVG unit): an element with
// data-min-ratio="R" is kept only at scales of at least R, one with data-max-ratio="R" only at
// scales of at most R, and a dropped element takes everything inside it along. So art can be
// tuned per scale: a one-pixel line drawn thinner where a pixel of the layout is several device
// pixels, a corner drawn in steps at 1x and round where there are pixels enough. A source
// without these attributes comes back unchanged.
Composition keepForRatio(const SourceFile& source, double ratio);

} // namespace picture_tool
