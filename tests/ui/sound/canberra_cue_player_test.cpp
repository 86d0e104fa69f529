// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cue service against a real sound server: what it plays is recorded from
// the server's sink and measured. Run under scripts/with-audio.sh, which gives
// the tests a private server with a silent sink; without a server they skip.
#include "ui/sound/canberra_cue_player.h"

#include "assets/sounds/cue_synthesis.h"
#include "tests/support/stderr_capture.h"
#include "tests/ui/sound/cue_files.h"
#include "tests/ui/sound/cue_timing.h"
#include "tests/ui/sound/monitor_recording.h"
#include "tests/ui/sound/scratch_directory.h"
#include "tests/ui/sound/sound_measurement.h"
#include "tests/ui/sound/sound_servers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using sound_test::BrokenCue;
using sound_test::kPlayLimitMs;
using sound_test::millisecondsBetween;
using sound_test::SoundMeasurement;

class CanberraCuePlayerOnServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sink_ = sound_test::testServerSink();
        if (!sink_) {
            GTEST_SKIP() << "no sound server in PULSE_SERVER: run under scripts/with-audio.sh";
        }
        // The program's directory may hold spaces and any characters.
        cueDirectory_ = scratch_.path() / "Vantrello games" / "Ünïcødé ♠ карты";
        std::filesystem::create_directories(cueDirectory_);
        cues_ = sound_test::writeCueFiles(cueDirectory_);
    }

    // Plays a cue and returns how long play() held the calling thread.
    double timedPlay(ui::CanberraCuePlayer& player, const std::string& path) {
        const Clock::time_point before = Clock::now();
        player.play(path);
        const double ms = millisecondsBetween(before, Clock::now());
        EXPECT_LT(ms, kPlayLimitMs) << path;
        return ms;
    }

    static SoundMeasurement reference(std::vector<float> (*synthesize)()) {
        return sound_test::measureSound(sound_test::toPcm16(synthesize()), assets::kCueSampleRate);
    }

    std::optional<std::string> sink_;
    sound_test::ScratchDirectory scratch_;
    std::filesystem::path cueDirectory_;
    sound_test::CueFiles cues_;
};

TEST_F(CanberraCuePlayerOnServerTest, CueIsHeardWholeAtFullLevel) {
    const struct {
        const char* name;
        std::string path;
        std::vector<float> (*synthesize)();
    } cases[] = {{"click", cues_.click, assets::synthesizeClickCue},
                 {"win", cues_.win, assets::synthesizeWinCue}};
    ui::CanberraCuePlayer player;
    for (const auto& cue : cases) {
        SCOPED_TRACE(cue.name);
        const SoundMeasurement expected = reference(cue.synthesize);
        sound_test::MonitorRecording recording(*sink_, expected.audibleSeconds + 0.6);
        const std::optional<Clock::time_point> recordingSince = recording.waitUntilRecording(5s);
        ASSERT_TRUE(recordingSince) << "parec recorded nothing: " << recording.messages();

        const Clock::time_point playedAt = Clock::now();
        const double playMs = timedPlay(player, cue.path);
        const SoundMeasurement heard =
            sound_test::measureSound(recording.finish(), sound_test::kRecordingRate);

        EXPECT_NEAR(heard.audibleSeconds, expected.audibleSeconds, 0.03);
        EXPECT_GT(heard.peak, 0.8 * expected.peak);
        EXPECT_LT(heard.peak, 1.2 * expected.peak);
        EXPECT_LT(heard.gapSeconds, 0.005);
        // The recording's first sample was taken no later than its first bytes
        // arrived, so this bounds the delay from play() to sound from above.
        const double latencyMs =
            millisecondsBetween(playedAt, *recordingSince) + 1000.0 * heard.leadingSilenceSeconds;
        EXPECT_LT(latencyMs, 500.0);
        std::cout << "[ measured ] " << cue.name << ": play() " << playMs
                  << " ms, play() to sound <= " << latencyMs << " ms, heard "
                  << heard.audibleSeconds << " s of " << expected.audibleSeconds << " s, peak "
                  << heard.peak << "\n";
    }
}

TEST_F(CanberraCuePlayerOnServerTest, NewCueCutsOffThePreviousOne) {
    const SoundMeasurement win = reference(assets::synthesizeWinCue);
    constexpr double kCutAfterSeconds = 0.25;

    ui::CanberraCuePlayer player;
    sound_test::MonitorRecording recording(*sink_, win.audibleSeconds + 0.6);
    ASSERT_TRUE(recording.waitUntilRecording(5s)) << recording.messages();
    timedPlay(player, cues_.win);
    std::this_thread::sleep_for(std::chrono::duration<double>(kCutAfterSeconds));
    timedPlay(player, cues_.click);
    const SoundMeasurement heard =
        sound_test::measureSound(recording.finish(), sound_test::kRecordingRate);

    // The win cue up to the cut, then the short click, and nothing of the
    // win cue's remaining half second.
    EXPECT_GT(heard.audibleSeconds, kCutAfterSeconds - 0.05);
    EXPECT_LT(heard.audibleSeconds, win.audibleSeconds - 0.35);
    std::cout << "[ measured ] win cut by click after " << kCutAfterSeconds << " s: heard "
              << heard.audibleSeconds << " s (win alone " << win.audibleSeconds << " s)\n";
}

TEST_F(CanberraCuePlayerOnServerTest, CuePlaysOnUnbrokenWhileTheCallerIsBlocked) {
    const SoundMeasurement expected = reference(assets::synthesizeWinCue);
    ui::CanberraCuePlayer player;
    sound_test::MonitorRecording recording(*sink_, expected.audibleSeconds + 0.6);
    ASSERT_TRUE(recording.waitUntilRecording(5s)) << recording.messages();
    timedPlay(player, cues_.win);
    // The game's next-deal pause holds the user-interface thread like this.
    std::this_thread::sleep_for(2500ms);
    const SoundMeasurement heard =
        sound_test::measureSound(recording.finish(), sound_test::kRecordingRate);

    EXPECT_NEAR(heard.audibleSeconds, expected.audibleSeconds, 0.03);
    EXPECT_LT(heard.gapSeconds, 0.005);
    EXPECT_GT(heard.peak, 0.8 * expected.peak);
}

class BrokenCueFileTest : public CanberraCuePlayerOnServerTest,
                          public ::testing::WithParamInterface<BrokenCue> {};

TEST_P(BrokenCueFileTest, IsSkippedSilentlyAndTheNextCueIsHeard) {
    const SoundMeasurement click = reference(assets::synthesizeClickCue);
    const std::filesystem::path brokenDirectory = scratch_.path() / "broken";
    std::filesystem::create_directory(brokenDirectory);
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
    const SoundMeasurement heard =
        sound_test::measureSound(recording.finish(), sound_test::kRecordingRate);
    EXPECT_GT(heard.audibleSeconds, 0.9 * click.audibleSeconds);
    EXPECT_GT(heard.peak, 0.8 * click.peak);
    EXPECT_EQ(printed.finish(), "");
    std::cout << "[ measured ] " << sound_test::nameOf(GetParam()) << ": play() " << playMs
              << " ms\n";
}

INSTANTIATE_TEST_SUITE_P(AllKinds, BrokenCueFileTest,
                         ::testing::Values(BrokenCue::Missing, BrokenCue::Directory,
                                           BrokenCue::Fifo, BrokenCue::Empty, BrokenCue::Truncated,
                                           BrokenCue::CorruptHeader, BrokenCue::Huge),
                         [](const ::testing::TestParamInfo<BrokenCue>& info) {
                             return std::string(sound_test::nameOf(info.param));
                         });

} // namespace
