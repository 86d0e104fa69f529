// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: writes the characters the embedded fonts keep, in UTF-8, to the file named on
// its command line: every character the window can show in its design's Russian
// (game/shown_text.h), the printable ASCII and the typographic marks its English translation
// writes in, and the alphabets of the two scripts.
//
// The alphabets are what tells the font database that a face writes Latin and Cyrillic at all:
// fontconfig grants a face a language only when it covers that language's letters, and Qt gives
// a face that writes no known language one font engine per script it is asked for, each loading
// and hinting the same glyphs again. A face with the English and Russian alphabets serves both
// scripts with one engine, and costs a few kilobytes more.
#include "game/shown_text.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

void appendUtf8(std::string& text, char32_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

// Printable ASCII, which holds the letters fontconfig asks of English, the Latin-1 letters it
// asks too, and the letters of Russian.
std::string alphabets() {
    std::string letters;
    for (char32_t c = U' '; c <= U'~'; ++c) {
        appendUtf8(letters, c);
    }
    for (char32_t c = 0xC0; c <= 0xFF; ++c) {
        if (c != 0xD7 && c != 0xF7) { // the multiplication and division signs
            appendUtf8(letters, c);
        }
    }
    for (char32_t c = 0x410; c <= 0x44F; ++c) { // А..я
        appendUtf8(letters, c);
    }
    appendUtf8(letters, 0x401); // Ё
    appendUtf8(letters, 0x451); // ё
    // The typographic marks the texts write in either language: dashes, quotes, the apostrophe,
    // and the minus of a negative figure.
    for (char32_t c :
         {U'\u2013', U'\u2014', U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2212'}) {
        appendUtf8(letters, c);
    }
    return letters;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: shown_characters OUTPUT\n", stderr);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << game::shownCharacters() << alphabets();
    out.close();
    if (!out) {
        std::fprintf(stderr, "shown_characters: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
