// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cue service when the sound server is missing, hangs or has no output.
// Each case runs in a fresh child process (a "threadsafe" death test) so that it
// can point PULSE_SERVER elsewhere before any sound library thread starts, and
// so that its standard error can be checked to be empty.
#include "ui/sound/canberra_cue_player.h"

#include "tests/ui/sound/sound_test_support.h"

#include <QFile>
#include <QStandardPaths>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace {

using namespace std::chrono_literals;
using sound_test::Clock;
using sound_test::kPlayLimitMs;
using sound_test::millisecondsFrom;

// Whether the sound library is in this process: a mapping of its file in /proc/self/maps.
bool canberraLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    // When it cannot tell, it counts the library as loaded, so that the test fails.
    return !maps.open(QIODevice::ReadOnly) || maps.readAll().contains("libcanberra.so");
}

struct Timings {
    double slowestPlayMs = 0;
    double quitMs = 0;
    bool reached = true;
};

// Plays both cues a few times, the later ones once `reached` says the worker got to the
// server with the first, then destroys the player; returns how long all that held the caller.
template <typename Reached> Timings playAndQuit(const sound_test::CueFiles& cues, Reached reached) {
    Timings timings;
    auto player = std::make_unique<ui::CanberraCuePlayer>();
    for (int i = 0; i < 6; ++i) {
        const Clock::time_point before = Clock::now();
        player->play(i % 2 == 0 ? cues.click : cues.win);
        timings.slowestPlayMs = std::max(timings.slowestPlayMs, millisecondsFrom(before));
        timings.reached = timings.reached && (i > 0 || reached());
    }
    const Clock::time_point quitting = Clock::now();
    player.reset();
    timings.quitMs = millisecondsFrom(quitting);
    return timings;
}

// The exit code for the child: 0 when every play() and the destruction came
// back within their limits; otherwise it says why on stderr.
int checked(const Timings& timings, double quitLimitMs) {
    if (!timings.reached) {
        std::fprintf(stderr, "the first cue did not reach the server within 5 s\n");
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
template <typename Reached> int playAndQuitAgainst(const std::string& address, Reached reached) {
    ::setenv("PULSE_SERVER", address.c_str(), 1);
    const QTemporaryDir scratch;
    const Timings timings = playAndQuit(sound_test::writeCueFiles(scratch.path()), reached);
    std::printf("[ measured ] %s: slowest play() %.3f ms, destruction %.1f ms\n", address.c_str(),
                timings.slowestPlayMs, timings.quitMs);
    return checked(timings, 200.0);
}

// Cues against a server that never answers: the worker hangs in the first one,
// yet the caller is never held up, not even when the player goes away.
int playAndQuitAgainstHangingServer() {
    sound_test::UnresponsiveSoundServer server;
    ::setenv("PULSE_SERVER", server.address().c_str(), 1);
    const QTemporaryDir scratch;
    const sound_test::CueFiles cues = sound_test::writeCueFiles(scratch.path());

    Timings timings;
    auto player = std::make_unique<ui::CanberraCuePlayer>();
    player->play(cues.click);
    if (!server.waitForClient(5s)) {
        std::fprintf(stderr, "the worker did not connect to the server\n");
        return 1;
    }
    for (int i = 0; i < 5; ++i) {
        const Clock::time_point before = Clock::now();
        player->play(i % 2 == 0 ? cues.win : cues.click);
        timings.slowestPlayMs = std::max(timings.slowestPlayMs, millisecondsFrom(before));
    }
    const Clock::time_point quitting = Clock::now();
    player.reset();
    timings.quitMs = millisecondsFrom(quitting);
    std::printf("[ measured ] hanging server: slowest play() %.3f ms, destruction %.1f ms\n",
                timings.slowestPlayMs, timings.quitMs);
    const double limitMs =
        std::chrono::duration<double, std::milli>(ui::CanberraCuePlayer::kShutdownWait).count() +
        150.0;
    return checked(timings, limitMs);
}

// The first cue finds a server that never answers, which then goes away; by the next cue, the
// address leads to a working server, and that cue plays.
int reconnectOnNextCue(const std::string& sink, const std::string& server) {
    const QTemporaryDir scratch;
    const sound_test::CueFiles cues = sound_test::writeCueFiles(scratch.path());
    // PULSE_SERVER names a link, so that what it leads to can change under the worker.
    const auto socketOf = [](const std::string& address) {
        return QString::fromStdString(address.substr(address.find(':') + 1));
    };
    const QString link = scratch.filePath(QStringLiteral("server"));
    auto hanging = std::make_unique<sound_test::UnresponsiveSoundServer>();
    QFile::link(socketOf(hanging->address()), link);
    ::setenv("PULSE_SERVER", ("unix:" + link.toStdString()).c_str(), 1);

    ui::CanberraCuePlayer player;
    player.play(cues.click);
    if (!hanging->waitForClient(5s)) {
        std::fprintf(stderr, "the first cue did not connect\n");
        return 1;
    }
    QFile::link(socketOf(server), scratch.filePath(QStringLiteral("next")));
    std::filesystem::rename(scratch.filePath(QStringLiteral("next")).toStdString(),
                            link.toStdString());
    hanging.reset(); // the first cue's connection fails now
    sound_test::MonitorRecording recording(sink, 0.6);
    if (!recording.waitUntilRecording(5s)) {
        std::fprintf(stderr, "parec recorded nothing: %s\n", recording.messages().c_str());
        return 1;
    }
    player.play(cues.click);
    const sound_test::SoundMeasurement heard = recording.finish();
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
    const auto loaded = [] { return sound_test::waitUntil(canberraLoaded, 5s); };
    EXPECT_EXIT(std::exit(playAndQuitAgainst("unix:/nonexistent/vantrello/native", loaded)),
                ::testing::ExitedWithCode(0), ::testing::IsEmpty());
}

TEST_F(CanberraCuePlayerServerFailureDeathTest, HangingServerHoldsUpNeitherCuesNorQuitting) {
    EXPECT_EXIT(std::exit(playAndQuitAgainstHangingServer()), ::testing::ExitedWithCode(0),
                ::testing::IsEmpty());
}

TEST_F(CanberraCuePlayerServerFailureDeathTest, ServerWithoutOutputIsSilent) {
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()) {
        GTEST_SKIP() << "pulseaudio is not installed";
    }
    EXPECT_EXIT(
        {
            int code = 2;
            {
                sound_test::OutputlessSoundServer server;
                std::fputs(server.failure().c_str(), stderr);
                if (server.failure().empty()) {
                    code = playAndQuitAgainst(
                        server.address(), [&] { return server.waitForClient("Vantrello", 5s); });
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

// Starting the game's sound does not load the sound library; the first cue does.
int loadsTheLibraryWithTheFirstCue() {
    ::setenv("PULSE_SERVER", "unix:/nonexistent/vantrello/native", 1);
    const QTemporaryDir scratch;
    const sound_test::CueFiles cues = sound_test::writeCueFiles(scratch.path());
    ui::CanberraCuePlayer player;
    if (canberraLoaded()) {
        std::fprintf(stderr, "the sound library is loaded before any cue\n");
        return 1;
    }
    player.play(cues.click);
    if (!sound_test::waitUntil(canberraLoaded, 5s)) {
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
