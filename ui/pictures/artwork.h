// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's pictures, embedded in the program as Qt resources.
#pragma once

#include "game/pictures.h"

#include <QImage>

namespace ui {

// The pixels of a picture drawn for a screen scale, one of game::kPictureRatios: opaque, in
// QImage::Format_RGB32, game::devicePixels() of its catalogue size at that scale (the image's own
// device pixel ratio stays 1). The image reads the program's embedded bytes in place: nothing is
// decoded or copied. Picture::None, or a scale that was not rendered, gives a null image.
QImage pictureImage(game::Picture picture, double ratio = 1.0);

// Lets the memory that holds a picture's pixels at a scale go once they have been drawn: the
// pixels stay in the program's file, from where the system reads them in again when they are next
// drawn, so the program keeps in memory only what it is drawing.
void letPixelsGo(game::Picture picture, double ratio);

} // namespace ui
