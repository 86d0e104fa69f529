// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/icon/app_icon.h"

#include <QDirIterator>
#include <QImageReader>
#include <QPixmap>

namespace ui {

QIcon applicationIcon() {
    // Every size the build embeds (ui/icon/CMakeLists.txt), one PNG each.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icon"), QDir::Files);
    while (sizes.hasNext()) {
        // Read as PNG outright: left to tell the format itself, the reader would first load every
        // image format plugin installed, to ask each whether it reads PNG.
        QImageReader png(sizes.next(), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    return icon;
}

} // namespace ui
