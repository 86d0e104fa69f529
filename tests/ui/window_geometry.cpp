// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints every control of the game window as designed, one a line: its name and its rectangle in
// the window's pixels, written as ImageMagick writes a geometry (WIDTHxHEIGHT+LEFT+TOP) and
// counted from the top-left corner of the window's client area. The window's own line gives its
// size. The end-to-end scripts read this to find where to click and which part of a screenshot to
// compare, so that no place of the design is written twice.
#include "game/twips.h"
#include "game/window_design.h"

#include <iostream>

namespace {

using game::design::Control;
using game::design::Kind;

// The control's rectangle in the window: its own place in its container plus the container's,
// each rounded to whole pixels as the window lays them out. The window's own place on the screen
// is no part of it.
game::Rect inWindow(const Control& c) {
    game::Rect r = game::toPixels(c.twips);
    for (const Control* parent = &c; parent->kind != Kind::Window;) {
        parent = &game::design::control(parent->parent);
        if (parent->kind != Kind::Window) {
            const game::Rect offset = game::toPixels(parent->twips);
            r.left += offset.left;
            r.top += offset.top;
        }
    }
    return r;
}

} // namespace

int main() {
    for (const Control& c : game::design::form1()) {
        const game::Rect r = inWindow(c);
        std::cout << c.name << ' ' << r.width << 'x' << r.height << '+' << r.left << '+' << r.top
                  << '\n';
    }
    return std::cout.good() ? 0 : 1;
}
