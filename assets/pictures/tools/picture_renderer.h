// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders a picture's SVG sources to an image at one SVG unit per pixel.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace picture_tool {

struct RenderResult {
    QImage image;  // the layout's whole canvas, opaque; null on failure
    QString error; // what went wrong, naming the file
};

// Composes the layout with its parts (see svg_composition.h) and draws it. Besides plain SVG
// the layout may hold inset pictures: <image data-picture="other.svg" x y width height/>
// draws other.svg (a path relative to the layout, composed with the same parts) into that
// box, which must match its canvas; everything it draws stays inside the box. A root
// attribute data-antialias="off" draws the layout with hard pixel edges.
//
// Fails when the renderer warns about anything, when the canvas is not whole pixels, or when
// some pixel is not fully covered.
RenderResult renderPicture(const QString& layoutPath, const QStringList& partPaths);

} // namespace picture_tool
