// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures a recording with sox: where the sound starts, how long it is heard,
// whether it breaks off in the middle, and how loud it gets.
#pragma once

#include <cstdint>
#include <vector>

namespace sound_test {

struct SoundMeasurement {
    double totalSeconds = 0;
    double leadingSilenceSeconds = 0; // before the first audible sound
    double audibleSeconds = 0;        // from the first to the last audible sound
    double gapSeconds = 0;            // silence inside the audible part, beyond 20 ms a gap
    double peak = 0;                  // largest magnitude, full scale 1
};

// Audible means above 1 % of full scale for at least 5 ms.
SoundMeasurement measureSound(const std::vector<std::int16_t>& samples, int sampleRate);

} // namespace sound_test
