// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's pictures as pixmaps, made once from the embedded artwork and shared:
// every control that shows a picture holds the same pixmap.
#pragma once

#include "game/pictures.h"

#include <QPixmap>
#include <map>

namespace ui {

class PictureBook {
  public:
    PictureBook();
    const QPixmap& pixmap(game::Picture picture) const;

  private:
    std::map<game::Picture, QPixmap> pixmaps_;
    QPixmap none_;
};

} // namespace ui
