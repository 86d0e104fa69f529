// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: writes every character the window can show (game/shown_text.h), in UTF-8, to
// the file named on its command line. The embedded fonts are cut down to these characters.
#include "game/shown_text.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: shown_characters OUTPUT\n", stderr);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << game::shownCharacters();
    out.close();
    if (!out) {
        std::fprintf(stderr, "shown_characters: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
