// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/icon/app_icon.h"

#include <QImage>
#include <QPixmap>

namespace ui {

QIcon applicationIcon() {
    QIcon icon;
    for (std::size_t i = 0; i < embedded::kIconSizeCount; ++i) {
        const embedded::IconSize& entry = embedded::kIconSizes[i];
        const QImage image(entry.pixels, entry.size, entry.size, entry.size * 4,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace ui
