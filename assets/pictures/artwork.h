// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's pictures, embedded in the program.
#pragma once

#include "game/pictures.h"

#include <QImage>

namespace assets {

// The pixels of a picture drawn for a screen scale, one of game::kPictureRatios: opaque, in
// QImage::Format_RGB32, game::devicePixels() of its catalogue size at that scale (the image's own
// device pixel ratio stays 1). The image reads the program's embedded bytes in place: nothing is
// decoded or copied. Picture::None, or a scale that was not rendered, gives a null image.
QImage pictureImage(game::Picture picture, double ratio = 1.0);

} // namespace assets
