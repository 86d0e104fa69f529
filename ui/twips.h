// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The design's rectangles in twips as the window's rectangles in pixels.
#pragma once

#include "game/twips.h"

#include <QRect>

namespace ui {

inline QRect pixelRect(const game::Rect& twips) {
    const game::Rect p = game::toPixels(twips);
    return QRect(p.left, p.top, p.width, p.height);
}

} // namespace ui
