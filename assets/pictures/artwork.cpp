// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/pictures/artwork.h"

#include "assets/pictures/embedded_pictures.h"

namespace assets {

QImage pictureImage(game::Picture picture, double ratio) {
    const game::PictureInfo* info = game::findPicture(picture);
    if (info == nullptr) {
        return {};
    }
    for (std::size_t i = 0; i < embedded::kPictureCount; ++i) {
        const embedded::Picture& entry = embedded::kPictures[i];
        if (entry.name == info->name && entry.ratio == ratio) {
            const int width = game::devicePixels(info->width, ratio);
            const int height = game::devicePixels(info->height, ratio);
            return QImage(entry.pixels, width, height, width * 4, QImage::Format_RGB32);
        }
    }
    return {};
}

} // namespace assets
