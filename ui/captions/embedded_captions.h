// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The captions of the window at start, drawn at build time (ui/captions/CMakeLists.txt).
#pragma once

#include "ui/caption.h"

#include <span>

namespace ui::captions {

std::span<const CaptionLayer> embeddedLayers();

// The screen scales the layers are drawn for.
std::span<const double> embeddedRatios();

} // namespace ui::captions
