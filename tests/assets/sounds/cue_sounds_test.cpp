// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/sounds/cue_synthesis.h"
#include "assets/sounds/wav_writer.h"

#include "tests/ui/sound/sound_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::uint32_t u32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint16_t u16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::string tagAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + 4));
}

TEST(WavWriterTest, WritesCanonicalMono16BitPcm) {
    const std::vector<float> samples = {0.0f, 1.0f, -1.0f, 2.0f, -2.0f, 0.5f};
    const std::vector<std::uint8_t> bytes = assets::encodeWav16(samples, 44100);

    ASSERT_EQ(bytes.size(), 44u + 2 * samples.size());
    EXPECT_EQ(tagAt(bytes, 0), "RIFF");
    EXPECT_EQ(u32At(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(tagAt(bytes, 8), "WAVE");
    EXPECT_EQ(tagAt(bytes, 12), "fmt ");
    EXPECT_EQ(u32At(bytes, 16), 16u);
    EXPECT_EQ(u16At(bytes, 20), 1u) << "integer PCM";
    EXPECT_EQ(u16At(bytes, 22), 1u) << "mono";
    EXPECT_EQ(u32At(bytes, 24), 44100u);
    EXPECT_EQ(u32At(bytes, 28), 88200u) << "bytes per second";
    EXPECT_EQ(u16At(bytes, 32), 2u) << "block align";
    EXPECT_EQ(u16At(bytes, 34), 16u) << "bits per sample";
    EXPECT_EQ(tagAt(bytes, 36), "data");
    EXPECT_EQ(u32At(bytes, 40), 2 * samples.size());

    const std::int16_t expected[] = {0, 32767, -32767, 32767, -32767, 16384};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(static_cast<std::int16_t>(u16At(bytes, 44 + 2 * i)), expected[i]) << i;
    }
}

// Zero crossings per second over [from, to) seconds: rises with the pitch.
double crossingRate(const std::vector<float>& samples, double from, double to) {
    const auto first = static_cast<std::size_t>(from * assets::kCueSampleRate);
    const auto last = static_cast<std::size_t>(to * assets::kCueSampleRate);
    int crossings = 0;
    for (std::size_t i = first + 1; i < last; ++i) {
        crossings += (samples[i - 1] < 0.0f) != (samples[i] < 0.0f) ? 1 : 0;
    }
    return crossings / (to - from);
}

struct CueCase {
    const char* name;
    std::vector<float> (*synthesize)();
    double minSeconds;
    double maxSeconds;
    double minAudibleSeconds; // above 1 % of full scale
};

const CueCase kCues[] = {
    {"click.wav", assets::synthesizeClickCue, 0.03, 0.15, 0.025},
    {"win.wav", assets::synthesizeWinCue, 0.5, 1.0, 0.6},
};

TEST(CueSoundsTest, CuesAreShortUnclippedUnbrokenAndStartAndEndWithoutAPop) {
    for (const CueCase& cue : kCues) {
        SCOPED_TRACE(cue.name);
        const std::vector<float> samples = cue.synthesize();
        const double seconds = static_cast<double>(samples.size()) / assets::kCueSampleRate;
        EXPECT_GE(seconds, cue.minSeconds);
        EXPECT_LE(seconds, cue.maxSeconds);

        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        const float peak = std::max(-*low, *high);
        EXPECT_GE(peak, 0.3f) << "loud enough to hear";
        EXPECT_LE(peak, 0.8f) << "headroom left, never clipped";

        EXPECT_LT(std::abs(samples.front()), 0.01f);
        EXPECT_LT(std::abs(samples.back()), 0.01f);

        const QTemporaryDir scratch;
        const QString written = scratch.filePath(QString::fromLatin1(cue.name));
        ASSERT_TRUE(assets::writeWav16(written.toStdString(), samples, assets::kCueSampleRate));
        const sound_test::SoundMeasurement measured = sound_test::measureSound(written);
        EXPECT_LT(measured.leadingSilenceSeconds, 0.005);
        EXPECT_GT(measured.audibleSeconds, cue.minAudibleSeconds);
        EXPECT_LT(measured.gapSeconds, 0.002) << "no silence in the middle";

        EXPECT_EQ(samples, cue.synthesize()) << "the same every time";
    }
}

TEST(CueSoundsTest, WinCueRisesInPitch) {
    const std::vector<float> win = assets::synthesizeWinCue();
    EXPECT_GT(crossingRate(win, 0.30, 0.50), 1.6 * crossingRate(win, 0.01, 0.07));
}

#ifdef VANTRELLO_BUILT_CUE_DIRECTORY
TEST(CueSoundsTest, BuildPutsTheSynthesisedCuesBesideTheProgram) {
    for (const CueCase& cue : kCues) {
        const std::string path = std::string(VANTRELLO_BUILT_CUE_DIRECTORY) + "/" + cue.name;
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << path;
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                              std::istreambuf_iterator<char>());
        EXPECT_EQ(bytes, assets::encodeWav16(cue.synthesize(), assets::kCueSampleRate)) << path;
    }
}
#endif

} // namespace
