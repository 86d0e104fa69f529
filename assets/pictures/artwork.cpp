// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/pictures/artwork.h"

#include <QString>

namespace assets {

QImage pictureImage(game::Picture picture) {
    const game::PictureInfo* info = game::findPicture(picture);
    if (info == nullptr) {
        return {};
    }
    // Rendered by the build from svg/ under the picture's catalogue name.
    const QString path = QStringLiteral(VANTRELLO_PICTURE_RESOURCES) +
                         QString::fromLatin1(info->name.data(), qsizetype(info->name.size())) +
                         QStringLiteral(".png");
    const QImage image(path);
    Q_ASSERT_X(!image.isNull(), "assets::pictureImage", qPrintable(path));
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace assets
