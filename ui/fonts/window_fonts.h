#pragma once

#include <QFont>

namespace ui {

// The font faces the window names. Each maps to a free face embedded in the program (Liberation is
// metric-compatible with the faces it stands in for), renamed at build time to a family of the
// game's own, so text looks and measures the same on every machine whatever fonts it has
// installed, and no font file is read from disk.
enum class FontFace {
    Arial,         // Vantrello Sans: Liberation Sans
    ArialBlack,    // Vantrello Heavy: Inter Black
    TimesNewRoman, // Vantrello Serif: Liberation Serif
    ComicSansMS,   // Vantrello Comic: Comic Neue (Latin only: used for digits)
    Default,       // the user-interface font of labels and buttons that name none: Vantrello Sans
};

// Registers the embedded faces with QFontDatabase. Needs a live QGuiApplication; calling it
// again is harmless and registers nothing twice.
void loadBundledFonts();

// The font for a face as the window uses it: the embedded family and weight set explicitly, the
// size in pixels, vertical-only hinting and grey-scale antialiasing. `bold` picks between the
// regular and bold Vantrello Sans; the other faces are embedded in one weight only and always
// get it: Vantrello Heavy Black, Vantrello Serif Bold, Vantrello Comic Bold.
QFont windowFont(FontFace face, int pixelSize, bool bold);

} // namespace ui
