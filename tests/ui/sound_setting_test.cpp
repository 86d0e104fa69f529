// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The remembered sound choice: nothing written without a change, the change read at the next
// start, and a missing, unreadable, damaged or unwritable file handled without losing the game's
// sound or the player's choice.
#include "tests/game/fakes.h"
#include "tests/support/stderr_capture.h"
#include "ui/sound_setting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace ui::testing {
namespace {

TEST(SoundSetting, IsWrittenOnlyWhenChangedAndReadAtTheNextStart) {
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("vantrello/vantrello.conf"));
    {
        SoundSetting untouched(file);
        EXPECT_TRUE(untouched.on());
    }
    EXPECT_FALSE(QFile::exists(file)) << "a session without a change writes nothing";

    SoundSetting(file).set(false);
    EXPECT_FALSE(SoundSetting(file).on());
    SoundSetting(file).set(true);
    EXPECT_TRUE(SoundSetting(file).on());
}

TEST(SoundSetting, ADamagedOrUnreadableFileMeansSoundOnOneLineAndNoRewrite) {
    const struct {
        const char* what;
        QByteArray contents; // empty: a directory stands where the file would be
    } cases[] = {
        {"a value that is no choice", "sound=banana\n"},
        {"not a settings file", QByteArray("\x00\xff[[[=\n\x01", 9)},
        {"unreadable", {}},
    };
    for (const auto& c : cases) {
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("vantrello.conf"));
        QFile out(file);
        if (c.contents.isEmpty()) {
            ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("vantrello.conf")));
        } else {
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(c.contents);
            out.close();
        }
        test_support::StderrCapture errors;
        EXPECT_TRUE(SoundSetting(file).on()) << c.what;
        const std::string said = errors.finish();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << c.what << ": " << said;
        if (!c.contents.isEmpty()) {
            ASSERT_TRUE(out.open(QIODevice::ReadOnly));
            EXPECT_EQ(out.readAll(), c.contents) << c.what << ": the file was rewritten";
        }
    }
}

TEST(SoundSetting, AChangeReplacesADamagedFileOrALoopingLinkWithACleanFile) {
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("vantrello.conf"));
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(65536, '\x9c'));
    damaged.close();
    const QString loop = home.filePath(QStringLiteral("loop.conf"));
    ASSERT_TRUE(QFile::link(loop, loop));
    for (const QString& place : {file, loop}) {
        SoundSetting setting(place); // each says once that it cannot be read
        test_support::StderrCapture errors;
        setting.set(false);
        EXPECT_EQ(errors.finish(), "") << "the write did not fail";
        QFile written(place);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), "[General]\nsound=false\n");
        EXPECT_FALSE(SoundSetting(place).on());
    }
}

TEST(SoundSetting, AnUnwritablePlaceKeepsTheChoiceForTheSessionAndSaysSoOnce) {
    QTemporaryDir home;
    QFile blocker(home.filePath(QStringLiteral("vantrello")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the directory would be
    blocker.close();
    SoundSetting setting(home.filePath(QStringLiteral("vantrello/vantrello.conf")));
    test_support::StderrCapture errors;
    setting.set(false);
    setting.set(true);
    setting.set(false);
    EXPECT_FALSE(setting.on());
    const std::string said = errors.finish();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST(SoundSetting, SoundOffHandsNoCueOnAndOnHandsEachOn) {
    QTemporaryDir home;
    SoundSetting setting(home.filePath(QStringLiteral("vantrello.conf")));
    game::testing::Log played;
    game::testing::RecordingCues inner{played};
    SwitchedCues cues(inner, setting);
    cues.play("click.wav");
    setting.set(false);
    cues.play("win.wav");
    setting.set(true);
    cues.play("win.wav");
    EXPECT_EQ(played, (game::testing::Log{"cue click.wav", "cue win.wav"}));
}

} // namespace
} // namespace ui::testing
