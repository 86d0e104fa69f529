// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders a picture's SVG sources to an image at one SVG unit per pixel.
#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace picture_tool {

struct RenderResult {
    QImage image;  // the layout's whole canvas, opaque, in device pixels; null on failure
    QString error; // what went wrong, naming the file
    QSizeF canvas; // the layout's canvas in SVG units
};

// Composes the layout with its parts (see svg_composition.h) and draws it at `ratio` device
// pixels to an SVG unit, keeping the elements meant for that scale (keepForRatio). The image
// covers every device pixel the canvas touches; where the canvas ends inside a device pixel
// (a fractional scale), that pixel repeats its neighbour inside. Besides plain SVG
// the layout may hold inset pictures: <image data-picture="other.svg" x y width height/>
// draws other.svg (a path relative to the layout, composed with the same parts) into that
// box, which must match its canvas; everything it draws stays inside the box. A root
// attribute data-antialias="off" draws the layout with hard pixel edges.
//
// Fails when the renderer warns about anything, when the canvas is not whole pixels, or when
// some pixel is not fully covered.
RenderResult renderPicture(const QString& layoutPath, const QStringList& partPaths,
                           double ratio = 1.0);

} // namespace picture_tool
