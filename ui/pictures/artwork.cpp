// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures/artwork.h"

#include "ui/pictures/embedded_pictures.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace ui {

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

void letPixelsGo(const QImage& image) {
    const uchar* const bits = image.constBits();
    bool embedded = false;
    for (std::size_t i = 0; i < embedded::kPictureCount && !embedded; ++i) {
        embedded = embedded::kPictures[i].pixels == bits;
    }
    if (!embedded) {
        return;
    }
    // Whole pages inside the picture only: a page it shares with its neighbour stays.
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(bits);
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t last =
        (begin + static_cast<std::uintptr_t>(image.sizeInBytes())) / page * page;
    if (last > first) {
        // The pages are read-only and backed by the program's file: dropped, they are read anew
        // from it (from the page cache, usually) when the picture is next drawn.
        madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
    }
}

} // namespace ui
