// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's pictures at every screen scale the build drew them for, as images over the
// program's embedded pixels (nothing is decoded or copied), shared: every control that shows a
// picture holds the same image. Each is looked up when first asked for, as looking one up reads
// the start of its pixels: a window brings into memory only the pictures of its screen's scale.
#pragma once

#include "game/pictures.h"

#include <QImage>
#include <array>

namespace ui {

class PictureBook {
  public:
    // The art to draw a picture from on a screen of the given device pixel ratio: the art made
    // for that scale where there is one; otherwise the art of the next larger scale (or the
    // largest), to be drawn smaller (or larger) to the picture's size.
    struct Art {
        const QImage* image;
        double ratio; // the scale the art was made for
    };
    Art art(game::Picture picture, double devicePixelRatio) const;

  private:
    // By picture, then by scale as in game::kPictureRatios; null until first asked for.
    mutable std::array<std::array<QImage, game::kPictureRatios.size()>, game::kPictures.size()>
        images_;
    QImage none_;
};

} // namespace ui
