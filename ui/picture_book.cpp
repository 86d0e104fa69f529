// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture_book.h"

#include "ui/pictures/artwork.h"

namespace ui {
namespace {

constexpr double kSameScale = 1e-6;

// The picture's place in the catalogue, or -1.
int indexOf(game::Picture picture) {
    for (std::size_t i = 0; i < game::kPictures.size(); ++i) {
        if (game::kPictures[i].picture == picture) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

PictureBook::Art PictureBook::art(game::Picture picture, double devicePixelRatio) const {
    const int index = indexOf(picture);
    if (index < 0) {
        return {&none_, 1.0};
    }
    const auto& scales = game::kPictureRatios;
    std::size_t chosen = scales.size() - 1;
    for (std::size_t r = 0; r < scales.size(); ++r) {
        if (scales[r] >= devicePixelRatio - kSameScale) {
            chosen = r;
            break;
        }
    }
    QImage& image = images_[static_cast<std::size_t>(index)][chosen];
    if (image.isNull()) {
        image = ui::pictureImage(picture, scales[chosen]);
    }
    return {&image, scales[chosen]};
}

} // namespace ui
