// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/sound/sound_measurement.h"

#include "tests/ui/sound/command_output.h"
#include "tests/ui/sound/scratch_directory.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>

namespace sound_test {
namespace {

// sox effects. silence trims what lies before the first sound; reversing
// around it trims the end as well; a negative count also squeezes every
// silence longer than 20 ms inside the sound down to 20 ms.
constexpr const char* kTrimStart = "silence 1 0.005 1%";
constexpr const char* kTrimBothEnds = "silence 1 0.005 1% reverse silence 1 0.005 1% reverse";
constexpr const char* kTrimAndSqueeze =
    "silence 1 0.005 1% -1 0.02 1% reverse silence 1 0.005 1% reverse";

// The number after "label:" in sox's stat report.
double statValue(const std::string& report, const std::string& label) {
    const std::size_t at = report.find(label);
    if (at == std::string::npos) {
        throw std::runtime_error("sox printed no '" + label + "':\n" + report);
    }
    const std::size_t colon = report.find(':', at);
    return std::stod(report.substr(colon + 1));
}

std::string soxStat(const std::string& rawFile, int sampleRate, const std::string& effects) {
    const CommandResult result =
        runCommand("sox -t raw -r " + std::to_string(sampleRate) + " -e signed -b 16 -c 1 " +
                   shellQuote(rawFile) + " -n " + effects + " stat 2>&1");
    if (result.exitCode != 0) {
        throw std::runtime_error("sox failed:\n" + result.output);
    }
    return result.output;
}

} // namespace

SoundMeasurement measureSound(const std::vector<std::int16_t>& samples, int sampleRate) {
    ScratchDirectory scratch;
    const std::string rawFile = (scratch.path() / "sound.raw").string();
    {
        std::ofstream out(rawFile, std::ios::binary);
        out.write(reinterpret_cast<const char*>(samples.data()),
                  static_cast<std::streamsize>(samples.size() * sizeof(std::int16_t)));
    }
    SoundMeasurement measured;
    measured.totalSeconds = static_cast<double>(samples.size()) / sampleRate;
    if (samples.empty()) {
        return measured;
    }
    const std::string whole = soxStat(rawFile, sampleRate, "");
    measured.peak =
        std::max(statValue(whole, "Maximum amplitude"), -statValue(whole, "Minimum amplitude"));
    const double fromStart =
        statValue(soxStat(rawFile, sampleRate, kTrimStart), "Length (seconds)");
    measured.leadingSilenceSeconds = measured.totalSeconds - fromStart;
    measured.audibleSeconds =
        statValue(soxStat(rawFile, sampleRate, kTrimBothEnds), "Length (seconds)");
    const double squeezed =
        statValue(soxStat(rawFile, sampleRate, kTrimAndSqueeze), "Length (seconds)");
    measured.gapSeconds = measured.audibleSeconds - squeezed;
    return measured;
}

} // namespace sound_test
