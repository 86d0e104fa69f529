// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The application icon, embedded in the program.
#pragma once

#include <QIcon>

#include <cstddef>

namespace ui {

// The icon for the window, at the sizes a title bar or task bar draws (16 to 64 pixels square;
// the icon theme holds the larger ones), made from the embedded pixels (nothing is decoded).
// Needs a QGuiApplication.
QIcon applicationIcon();

namespace embedded {

// One size of the icon as the build embeds it (ui/icon/CMakeLists.txt).
struct IconSize {
    int size; // width and height in pixels
    const unsigned char*
        pixels; // rows of 32-bit premultiplied ARGB words, Format_ARGB32_Premultiplied
};

extern const IconSize kIconSizes[];
extern const std::size_t kIconSizeCount;

} // namespace embedded

} // namespace ui
