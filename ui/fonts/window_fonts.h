// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/window_design.h"
#include "ui/fonts/font_catalogue.h"

#include <QFont>

namespace ui {

// Gives fontconfig, through which Qt finds fonts, a configuration of the program's own that
// names no font directory and no rules. The window draws only in its embedded faces, so the
// desktop's font configuration has nothing to offer it: with this, its files are not parsed and
// the installed fonts not listed at start-up, and no installed font can stand in for a character.
// Call it first thing, before the application object exists.
void useOnlyEmbeddedFonts();

// Registers the embedded faces with QFontDatabase, straight from the program's own bytes. Needs
// a live QGuiApplication; calling it again is harmless and registers nothing twice.
void loadBundledFonts();

// The embedded face that stands in for a face of the design in the given weight: the
// heaviest of its files when bold is asked, the lightest otherwise. The desktop's
// user-interface font (an empty face) is the embedded sans-serif.
const fonts::EmbeddedFace& embeddedFace(const game::design::Font& font);

// A style name as a weight: "Regular", "Bold", "Black".
QFont::Weight styleWeight(std::string_view style);

// The font as the window uses it: the embedded family and its weight set explicitly, the size
// in pixels, vertical-only hinting and grey-scale antialiasing. The families are renamed at
// build time, so no installed font carries them and text looks and measures the same on every
// machine whatever fonts it has installed, and no font file is read from disk.
QFont windowFont(const game::design::Font& font);

} // namespace ui
