// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound/playable_sound_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

void makeFile(const fs::path& path, std::uintmax_t size) {
    std::ofstream(path, std::ios::binary).put('R');
    fs::resize_file(path, size);
}

TEST(PlayableSoundFileTest, OnlyRegularFilesUpToTheLimitArePlayed) {
    const QTemporaryDir scratch;
    const fs::path dir = scratch.path().toStdString();
    makeFile(dir / "small.wav", 6218);
    makeFile(dir / "empty.wav", 0);
    makeFile(dir / "at-limit.wav", ui::kMaxCueFileBytes);
    makeFile(dir / "over-limit.wav", ui::kMaxCueFileBytes + 1);
    fs::create_directory(dir / "directory.wav");
    ASSERT_EQ(::mkfifo((dir / "fifo.wav").c_str(), 0600), 0);
    fs::create_symlink(dir / "small.wav", dir / "link.wav");
    fs::create_symlink(dir / "nowhere.wav", dir / "dangling.wav");

    const struct {
        const char* name;
        bool playable;
    } cases[] = {
        {"small.wav", true},       {"empty.wav", true},      {"at-limit.wav", true},
        {"over-limit.wav", false}, {"directory.wav", false}, {"fifo.wav", false},
        {"link.wav", true},        {"dangling.wav", false},  {"missing.wav", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ui::isPlayableSoundFile((dir / c.name).string()), c.playable) << c.name;
    }
}

} // namespace
