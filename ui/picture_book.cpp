// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture_book.h"

#include "assets/pictures/artwork.h"

namespace ui {

PictureBook::PictureBook() {
    for (const game::PictureInfo& info : game::kPictures) {
        pixmaps_[info.picture] = QPixmap::fromImage(assets::pictureImage(info.picture));
    }
}

const QPixmap& PictureBook::pixmap(game::Picture picture) const {
    const auto found = pixmaps_.find(picture);
    return found == pixmaps_.end() ? none_ : found->second;
}

} // namespace ui
