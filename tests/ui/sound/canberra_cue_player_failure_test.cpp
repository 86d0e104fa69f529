// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cue service when the sound server is missing, hangs or has no output.
// Each case runs in a fresh child process (a "threadsafe" death test) so that it
// can point PULSE_SERVER elsewhere before any sound library thread starts, and
// so that its standard error can be checked to be empty.
#include "ui/sound/canberra_cue_player.h"

#include "tests/ui/sound/command_output.h"
#include "tests/ui/sound/cue_files.h"
#include "tests/ui/sound/cue_timing.h"
#include "tests/ui/sound/monitor_recording.h"
#include "tests/ui/sound/scratch_directory.h"
#include "tests/ui/sound/sound_measurement.h"
#include "tests/ui/sound/sound_servers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using sound_test::kPlayLimitMs;
using sound_test::millisecondsSince;

struct Timings {
    double slowestPlayMs = 0;
    double quitMs = 0;
    bool allHandled = true;
};

// Plays both cues a few times, letting the worker deal with each, then destroys
// the player; returns how long all that held the caller.
Timings playAndQuit(const sound_test::CueFiles& cues) {
    Timings timings;
    auto player = std::make_unique<ui::CanberraCuePlayer>();
    for (int i = 0; i < 6; ++i) {
        const Clock::time_point before = Clock::now();
        player->play(i % 2 == 0 ? cues.click : cues.win);
        timings.slowestPlayMs = std::max(timings.slowestPlayMs, millisecondsSince(before));
        timings.allHandled = player->waitUntilHandled(5s) && timings.allHandled;
    }
    const Clock::time_point quitting = Clock::now();
    player.reset();
    timings.quitMs = millisecondsSince(quitting);
    return timings;
}

// The exit code for the child: 0 when every play() and the destruction came
// back within their limits; otherwise it says why on stderr.
int checked(const Timings& timings, double quitLimitMs) {
    if (!timings.allHandled) {
        std::fprintf(stderr, "a cue was not handled within 5 s\n");
        return 1;
    }
    if (timings.slowestPlayMs > kPlayLimitMs || timings.quitMs > quitLimitMs) {
        std::fprintf(stderr, "slowest play() %.2f ms, destruction %.1f ms\n", timings.slowestPlayMs,
                     timings.quitMs);
        return 1;
    }
    return 0;
}

// Cues against a server that fails at once: each is handled quickly.
int playAndQuitAgainst(const std::string& address) {
    ::setenv("PULSE_SERVER", address.c_str(), 1);
    sound_test::ScratchDirectory scratch;
    const Timings timings = playAndQuit(sound_test::writeCueFiles(scratch.path()));
    std::printf("[ measured ] %s: slowest play() %.3f ms, destruction %.1f ms\n", address.c_str(),
                timings.slowestPlayMs, timings.quitMs);
    return checked(timings, 200.0);
}

// Cues against a server that never answers: the worker hangs in the first one,
// yet the caller is never held up, not even when the player goes away.
int playAndQuitAgainstHangingServer() {
    sound_test::UnresponsiveSoundServer server;
    ::setenv("PULSE_SERVER", server.address().c_str(), 1);
    sound_test::ScratchDirectory scratch;
    const sound_test::CueFiles cues = sound_test::writeCueFiles(scratch.path());

    Timings timings;
    auto player = std::make_unique<ui::CanberraCuePlayer>();
    player->play(cues.click);
    if (player->waitUntilHandled(300ms)) {
        std::fprintf(stderr, "the worker did not hang on the server\n");
        return 1;
    }
    for (int i = 0; i < 5; ++i) {
        const Clock::time_point before = Clock::now();
        player->play(i % 2 == 0 ? cues.win : cues.click);
        timings.slowestPlayMs = std::max(timings.slowestPlayMs, millisecondsSince(before));
    }
    const Clock::time_point quitting = Clock::now();
    player.reset();
    timings.quitMs = millisecondsSince(quitting);
    std::printf("[ measured ] hanging server: slowest play() %.3f ms, destruction %.1f ms\n",
                timings.slowestPlayMs, timings.quitMs);
    const double limitMs =
        std::chrono::duration<double, std::milli>(ui::CanberraCuePlayer::kShutdownWait).count() +
        150.0;
    return checked(timings, limitMs);
}

// The first cue finds no server; once the server is there, the next cue plays.
int reconnectOnNextCue(const std::string& sink, const std::string& server) {
    sound_test::ScratchDirectory scratch;
    const sound_test::CueFiles cues = sound_test::writeCueFiles(scratch.path());
    const std::string nowhere = "unix:" + (scratch.path() / "no-server").string();
    ::setenv("PULSE_SERVER", nowhere.c_str(), 1);

    ui::CanberraCuePlayer player;
    player.play(cues.click);
    if (!player.waitUntilHandled(5s)) {
        std::fprintf(stderr, "the cue without a server was not handled\n");
        return 1;
    }
    // The worker is idle in its mailbox now, so nothing reads the environment.
    ::setenv("PULSE_SERVER", server.c_str(), 1);
    sound_test::MonitorRecording recording(sink, 0.6);
    if (!recording.waitUntilRecording(5s)) {
        std::fprintf(stderr, "parec recorded nothing\n");
        return 1;
    }
    player.play(cues.click);
    player.waitUntilHandled(5s);
    const sound_test::SoundMeasurement heard =
        sound_test::measureSound(recording.finish(), sound_test::kRecordingRate);
    if (heard.audibleSeconds < 0.025 || heard.peak < 0.2) {
        std::fprintf(stderr, "heard %.3f s at peak %.3f\n", heard.audibleSeconds, heard.peak);
        return 1;
    }
    return 0;
}

class CanberraCuePlayerServerFailureDeathTest : public ::testing::Test {
  protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(CanberraCuePlayerServerFailureDeathTest, NoServerIsSilentAndQuitsPromptly) {
    EXPECT_EXIT(std::exit(playAndQuitAgainst("unix:/nonexistent/vantrello/native")),
                ::testing::ExitedWithCode(0), ::testing::IsEmpty());
}

TEST_F(CanberraCuePlayerServerFailureDeathTest, HangingServerHoldsUpNeitherCuesNorQuitting) {
    EXPECT_EXIT(std::exit(playAndQuitAgainstHangingServer()), ::testing::ExitedWithCode(0),
                ::testing::IsEmpty());
}

TEST_F(CanberraCuePlayerServerFailureDeathTest, ServerWithoutOutputIsSilent) {
    if (!sound_test::programAvailable("pulseaudio")) {
        GTEST_SKIP() << "pulseaudio is not installed";
    }
    EXPECT_EXIT(
        {
            int code = 2;
            {
                sound_test::OutputlessSoundServer server;
                if (server.ready()) {
                    code = playAndQuitAgainst(server.address());
                }
            }
            std::exit(code);
        },
        ::testing::ExitedWithCode(0), ::testing::IsEmpty());
}

TEST_F(CanberraCuePlayerServerFailureDeathTest, ConnectsOnTheNextCueOnceTheServerIsThere) {
    const std::optional<std::string> sink = sound_test::testServerSink();
    if (!sink) {
        GTEST_SKIP() << "no sound server in PULSE_SERVER: run under scripts/with-audio.sh";
    }
    const std::string server = std::getenv("PULSE_SERVER");
    EXPECT_EXIT(std::exit(reconnectOnNextCue(*sink, server)), ::testing::ExitedWithCode(0),
                ::testing::IsEmpty());
}

// Whether the sound library is in this process: a mapping of its file in /proc/self/maps.
bool canberraLoaded() {
    std::FILE* maps = std::fopen("/proc/self/maps", "r");
    if (maps == nullptr) {
        return true; // cannot tell: count it as loaded, so the test fails
    }
    char line[4096];
    bool found = false;
    while (!found && std::fgets(line, sizeof line, maps) != nullptr) {
        found = std::strstr(line, "libcanberra.so") != nullptr;
    }
    std::fclose(maps);
    return found;
}

// Neither starting the game's sound nor a cue it cannot play loads the sound library; the first
// cue it plays does.
int loadsTheLibraryWithTheFirstCue() {
    ::setenv("PULSE_SERVER", "unix:/nonexistent/vantrello/native", 1);
    sound_test::ScratchDirectory scratch;
    const sound_test::CueFiles cues = sound_test::writeCueFiles(scratch.path());
    if (canberraLoaded()) {
        std::fprintf(stderr, "the sound library is linked into the program\n");
        return 1;
    }
    ui::CanberraCuePlayer player;
    player.play((scratch.path() / "missing.wav").string());
    if (!player.waitUntilHandled(5s) || canberraLoaded()) {
        std::fprintf(stderr, "the sound library was loaded before a cue could play\n");
        return 1;
    }
    player.play(cues.click);
    if (!player.waitUntilHandled(5s) || !canberraLoaded()) {
        std::fprintf(stderr, "the first cue did not load the sound library\n");
        return 1;
    }
    return 0;
}

TEST_F(CanberraCuePlayerServerFailureDeathTest, TheSoundLibraryIsLoadedWithTheFirstCue) {
    EXPECT_EXIT(std::exit(loadsTheLibraryWithTheFirstCue()), ::testing::ExitedWithCode(0),
                ::testing::IsEmpty());
}

} // namespace
