// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's pictures, embedded in the program.
#pragma once

#include "game/pictures.h"

#include <QImage>

namespace assets {

// The pixels of a picture at its catalogue size, opaque, in QImage::Format_RGB32.
// Picture::None gives a null image.
QImage pictureImage(game::Picture picture);

} // namespace assets
