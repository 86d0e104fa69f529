// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cue service against a real sound server: what it plays is recorded from
// the server's sink and measured. Run under scripts/with-audio.sh, which gives
// the tests a private server with a silent sink; without a server they skip.
#include "ui/sound/canberra_cue_player.h"

#include "game/double_up.h"
#include "tests/support/stderr_capture.h"
#include "tests/ui/sound/sound_test_support.h"

#include <QDir>
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;
using sound_test::BrokenCue;
using sound_test::Clock;
using sound_test::kPlayLimitMs;
using sound_test::millisecondsFrom;
using sound_test::SoundMeasurement;

class CanberraCuePlayerOnServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sink_ = sound_test::testServerSink();
        if (!sink_) {
            GTEST_SKIP() << "no sound server in PULSE_SERVER: run under scripts/with-audio.sh";
        }
        // The program's directory may hold spaces and any characters.
        const QString cueDirectory =
            scratch_.filePath(QStringLiteral("Vantrello games/Ünïcødé ♠ карты"));
        ASSERT_TRUE(QDir().mkpath(cueDirectory));
        cues_ = sound_test::writeCueFiles(cueDirectory);
    }

    // Plays a cue and returns how long play() held the calling thread.
    double timedPlay(ui::CanberraCuePlayer& player, const std::string& path) {
        const Clock::time_point before = Clock::now();
        player.play(path);
        const double ms = millisecondsFrom(before);
        EXPECT_LT(ms, kPlayLimitMs) << path;
        return ms;
    }

    static SoundMeasurement reference(const std::string& cue) {
        return sound_test::measureSound(QString::fromStdString(cue));
    }

    std::optional<std::string> sink_;
    QTemporaryDir scratch_;
    sound_test::CueFiles cues_;
};

TEST_F(CanberraCuePlayerOnServerTest, CueIsHeardWholeAtFullLevel) {
    const struct {
        const char* name;
        std::string path;
    } cases[] = {{"click", cues_.click}, {"win", cues_.win}};
    ui::CanberraCuePlayer player;
    for (const auto& cue : cases) {
        SCOPED_TRACE(cue.name);
        const SoundMeasurement expected = reference(cue.path);
        sound_test::MonitorRecording recording(*sink_, expected.audibleSeconds + 0.6);
        const std::optional<Clock::time_point> recordingSince = recording.waitUntilRecording(5s);
        ASSERT_TRUE(recordingSince) << "parec recorded nothing: " << recording.messages();

        const Clock::time_point playedAt = Clock::now();
        const double playMs = timedPlay(player, cue.path);
        const SoundMeasurement heard = recording.finish();

        EXPECT_NEAR(heard.audibleSeconds, expected.audibleSeconds, 0.03);
        EXPECT_GT(heard.peak, 0.8 * expected.peak);
        EXPECT_LT(heard.peak, 1.2 * expected.peak);
        EXPECT_LT(heard.gapSeconds, 0.005);
        // The recording's first sample was taken no later than its first bytes
        // arrived, so this bounds the delay from play() to sound from above.
        const double latencyMs =
            millisecondsFrom(playedAt, *recordingSince) + 1000.0 * heard.leadingSilenceSeconds;
        EXPECT_LT(latencyMs, 500.0);
        std::cout << "[ measured ] " << cue.name << ": play() " << playMs
                  << " ms, play() to sound <= " << latencyMs << " ms, heard "
                  << heard.audibleSeconds << " s of " << expected.audibleSeconds << " s, peak "
                  << heard.peak << "\n";
    }
}

TEST_F(CanberraCuePlayerOnServerTest, NewCueCutsOffThePreviousOne) {
    const SoundMeasurement win = reference(cues_.win);
    constexpr double kCutAfterSeconds = 0.25;

    ui::CanberraCuePlayer player;
    sound_test::MonitorRecording recording(*sink_, win.audibleSeconds + 0.6);
    ASSERT_TRUE(recording.waitUntilRecording(5s)) << recording.messages();
    timedPlay(player, cues_.win);
    std::this_thread::sleep_for(std::chrono::duration<double>(kCutAfterSeconds));
    timedPlay(player, cues_.click);
    const SoundMeasurement heard = recording.finish();

    // The win cue up to the cut, then the short click, and nothing of the
    // win cue's remaining half second.
    EXPECT_GT(heard.audibleSeconds, kCutAfterSeconds - 0.05);
    EXPECT_LT(heard.audibleSeconds, win.audibleSeconds - 0.35);
    std::cout << "[ measured ] win cut by click after " << kCutAfterSeconds << " s: heard "
              << heard.audibleSeconds << " s (win alone " << win.audibleSeconds << " s)\n";
}

TEST_F(CanberraCuePlayerOnServerTest, CuePlaysOnUnbrokenWhileTheCallerIsBlocked) {
    const SoundMeasurement expected = reference(cues_.win);
    ui::CanberraCuePlayer player;
    sound_test::MonitorRecording recording(*sink_, expected.audibleSeconds + 0.6);
    ASSERT_TRUE(recording.waitUntilRecording(5s)) << recording.messages();
    timedPlay(player, cues_.win);
    // The game's next-deal pause holds the user-interface thread like this.
    std::this_thread::sleep_for(std::chrono::milliseconds(game::DoubleUp::kNextDealPauseMs));
    const SoundMeasurement heard = recording.finish();

    EXPECT_NEAR(heard.audibleSeconds, expected.audibleSeconds, 0.03);
    EXPECT_LT(heard.gapSeconds, 0.005);
    EXPECT_GT(heard.peak, 0.8 * expected.peak);
}

class BrokenCueFileTest : public CanberraCuePlayerOnServerTest,
                          public ::testing::WithParamInterface<BrokenCue> {};

TEST_P(BrokenCueFileTest, IsSkippedSilentlyAndTheNextCueIsHeard) {
    const SoundMeasurement click = reference(cues_.click);
    const QString brokenDirectory = scratch_.filePath(QStringLiteral("broken"));
    ASSERT_TRUE(QDir().mkdir(brokenDirectory));
    const std::string broken = sound_test::makeBrokenCue(brokenDirectory, GetParam());

    test_support::StderrCapture printed;
    ui::CanberraCuePlayer player;
    // The worker stops the win cue when it takes the broken file: its stream goes away.
    timedPlay(player, cues_.win);
    ASSERT_TRUE(sound_test::waitUntil([] { return sound_test::playingStreams() > 0; }, 5s));
    const double playMs = timedPlay(player, broken);
    ASSERT_TRUE(sound_test::waitUntil([] { return sound_test::playingStreams() == 0; }, 5s))
        << "the worker did not take the broken file";

    // The next cue is heard whole, within the recording's 0.7 s.
    sound_test::MonitorRecording recording(*sink_, 0.7);
    ASSERT_TRUE(recording.waitUntilRecording(5s)) << recording.messages();
    timedPlay(player, cues_.click);
    const SoundMeasurement heard = recording.finish();
    EXPECT_GT(heard.audibleSeconds, 0.9 * click.audibleSeconds);
    EXPECT_GT(heard.peak, 0.8 * click.peak);
    EXPECT_EQ(printed.finish(), "");
    std::cout << "[ measured ] " << sound_test::kBrokenCueNames[static_cast<int>(GetParam())]
              << ": play() " << playMs << " ms\n";
}

INSTANTIATE_TEST_SUITE_P(AllKinds, BrokenCueFileTest,
                         ::testing::Values(BrokenCue::Missing, BrokenCue::Directory,
                                           BrokenCue::Fifo, BrokenCue::Empty, BrokenCue::Truncated,
                                           BrokenCue::CorruptHeader, BrokenCue::Huge),
                         [](const ::testing::TestParamInfo<BrokenCue>& info) {
                             return std::string(
                                 sound_test::kBrokenCueNames[static_cast<int>(info.param)]);
                         });

} // namespace
