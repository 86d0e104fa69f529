// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the tools that draw the game's pictures and icon share.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class QSvgRenderer;

namespace build_tool {

// Loads an SVG file, or an SVG document's bytes, into the renderer, and returns every warning Qt
// logged meanwhile (debug and info messages aside): a renderer that only warns about an
// unsupported element or a broken reference is a failure for a tool that stops the build on it.
QStringList loadSvg(QSvgRenderer& renderer, const QString& file);
QStringList loadSvg(QSvgRenderer& renderer, const QByteArray& contents);

// Writes the image's pixels row after row, 4 bytes a pixel as its 32-bit format holds them in
// memory (the machine's byte order), with nothing between the rows: the form the program
// embeds and draws where it lies. Replaces the file only once all is written.
bool writeRawPixels(const QImage& image, const QString& path);

} // namespace build_tool
