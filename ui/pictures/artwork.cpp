// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures/artwork.h"

#include <QResource>
#include <QString>

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace ui {
namespace {

// Where the build puts a picture's pixels at a scale (ui/pictures/CMakeLists.txt).
QString resourcePath(const game::PictureInfo& info, double ratio) {
    return QStringLiteral(":/pictures/%1@%2.rgb32")
        .arg(QLatin1String(info.name.data(), static_cast<qsizetype>(info.name.size())),
             QString::number(ratio));
}

} // namespace

QImage pictureImage(game::Picture picture, double ratio) {
    const game::PictureInfo* info = game::findPicture(picture);
    if (info == nullptr) {
        return {};
    }
    const QResource pixels(resourcePath(*info, ratio));
    const int width = game::devicePixels(info->width, ratio);
    const int height = game::devicePixels(info->height, ratio);
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression ||
        pixels.size() != qint64{width} * height * 4) {
        return {};
    }
    return QImage(pixels.data(), width, height, width * 4, QImage::Format_RGB32);
}

void letPixelsGo(game::Picture picture, double ratio) {
    const game::PictureInfo* info = game::findPicture(picture);
    if (info == nullptr) {
        return;
    }
    const QResource pixels(resourcePath(*info, ratio));
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression) {
        return;
    }
    // Whole pages inside the picture only: a page it shares with its neighbour stays.
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(pixels.data());
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t last = (begin + static_cast<std::uintptr_t>(pixels.size())) / page * page;
    if (last > first) {
        // The pages are read-only and backed by the program's file: dropped, they are read anew
        // from it (from the page cache, usually) when the picture is next drawn.
        madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
    }
}

} // namespace ui
