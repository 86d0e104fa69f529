// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/cue_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CuePathCase {
    const char* what;
    std::string directory;
    const char* fileName;
    std::string expected;
};

TEST(CuePathTest, DirectoryIsDirectlyFollowedBySlashAndFileName) {
    const CuePathCase cases[] = {
        {"plain", "/usr/games/vantrello", "click.wav", "/usr/games/vantrello/click.wav"},
        {"spaces", "/home/a b/My Games", "win.wav", "/home/a b/My Games/win.wav"},
        {"UTF-8 bytes kept", "/home/игрок/Игры ♠", "click.wav", "/home/игрок/Игры ♠/click.wav"},
        {"bytes that are not UTF-8 kept", "/srv/caf\xE9", "win.wav", "/srv/caf\xE9/win.wav"},
        {"trailing slash not removed", "/opt/vantrello/", "click.wav", "/opt/vantrello//click.wav"},
        {"root directory", "/", "win.wav", "//win.wav"},
        {"relative directory", "bin", "click.wav", "bin/click.wav"},
    };
    for (const CuePathCase& c : cases) {
        const std::string path = game::cuePath(c.directory, c.fileName);
        EXPECT_EQ(path, c.expected) << c.what;
        EXPECT_EQ(path.find('\\'), std::string::npos) << c.what;
    }
}

} // namespace
