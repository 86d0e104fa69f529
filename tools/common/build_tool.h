// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the tools that draw the game's pictures and icon share.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace build_tool {

// Collects every warning Qt logs while it lives (debug and info messages aside): a renderer
// that only warns about an unsupported element or a broken reference is a failure for a tool
// that stops the build on it. One at a time.
class QtWarnings {
  public:
    QtWarnings();
    ~QtWarnings();
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;

    const QStringList& list() const { return warnings_; }

  private:
    QStringList warnings_;
    QtMessageHandler previous_;
};

// Writes the image's pixels row after row, 4 bytes a pixel as its 32-bit format holds them in
// memory (the machine's byte order), with nothing between the rows: the form the program
// embeds and draws where it lies. Replaces the file only once all is written.
bool writeRawPixels(const QImage& image, const QString& path);

} // namespace build_tool
