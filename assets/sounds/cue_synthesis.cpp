// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/sounds/cue_synthesis.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>

namespace assets {
namespace {

using std::numbers::pi;

constexpr double kRate = kCueSampleRate;

std::size_t sampleCount(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kRate));
}

// Raised-cosine rise from 0 to 1 over the first `length` seconds.
double fadeIn(double t, double length) {
    return t >= length ? 1.0 : 0.5 - 0.5 * std::cos(pi * t / length);
}

// Raised-cosine fall from 1 to 0 over the last `length` seconds before `end`.
double fadeOut(double t, double end, double length) {
    const double remaining = end - t;
    if (remaining >= length) {
        return 1.0;
    }
    return remaining <= 0.0 ? 0.0 : 0.5 - 0.5 * std::cos(pi * remaining / length);
}

// Small deterministic noise source (xorshift), values in [-1, 1).
class Noise {
  public:
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t state_ = 0x2545F491u;
};

struct Note {
    double start;     // seconds
    double frequency; // Hz
    double amplitude;
    double decay;   // seconds for the fundamental to fall to 1/e
    double vibrato; // relative depth of a slow pitch wobble, 0 for none
};

// A struck, mallet-like note: four harmonics, the higher ones dying faster,
// with a short soft attack so that no note starts with a pop.
void addNote(std::vector<double>& mix, const Note& note) {
    struct Partial {
        double multiple;
        double level;
        double decayDivisor;
    };
    constexpr Partial kPartials[] = {{1, 1.0, 1.0}, {2, 0.4, 1.8}, {3, 0.18, 2.6}, {4, 0.08, 3.5}};
    constexpr double kAttack = 0.004;
    constexpr double kVibratoHz = 5.5;

    const std::size_t first = sampleCount(note.start);
    double phase = 0.0; // of the fundamental, in cycles
    for (std::size_t i = first; i < mix.size(); ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        const double wobble = 1.0 + note.vibrato * std::sin(2.0 * pi * kVibratoHz * t);
        double value = 0.0;
        for (const Partial& partial : kPartials) {
            value += partial.level * std::exp(-t * partial.decayDivisor / note.decay) *
                     std::sin(2.0 * pi * partial.multiple * phase);
        }
        mix[i] += note.amplitude * fadeIn(t, kAttack) * value;
        phase += note.frequency * wobble / kRate;
    }
}

std::vector<float> normalized(const std::vector<double>& mix, double peak) {
    double loudest = 0.0;
    for (double value : mix) {
        loudest = std::max(loudest, std::abs(value));
    }
    const double scale = loudest > 0.0 ? peak / loudest : 0.0;
    std::vector<float> out;
    out.reserve(mix.size());
    for (double value : mix) {
        out.push_back(static_cast<float>(value * scale));
    }
    return out;
}

} // namespace

std::vector<float> synthesizeClickCue() {
    constexpr double kLength = 0.07;
    constexpr double kAttack = 0.0008;
    constexpr double kRelease = 0.01;
    std::vector<double> mix(sampleCount(kLength));
    Noise noise;
    double filtered = 0.0;
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        // A knock of two damped tones, the low one giving a wooden body, and
        // a breath of softened noise for the contact.
        const double knock = 0.45 * std::exp(-t / 0.005) * std::sin(2.0 * pi * 1500.0 * t) +
                             0.45 * std::exp(-t / 0.014) * std::sin(2.0 * pi * 750.0 * t);
        filtered += 0.35 * (noise.next() - filtered);
        const double contact = 0.3 * std::exp(-t / 0.003) * filtered;
        mix[i] = (knock + contact) * fadeIn(t, kAttack) * fadeOut(t, kLength, kRelease);
    }
    return normalized(mix, 0.45);
}

std::vector<float> synthesizeWinCue() {
    constexpr double kLength = 0.9;
    constexpr double kRelease = 0.2;
    // C major rising in quick steps, landing on a ringing top C with a little
    // shimmer above it and a soft root below.
    const Note notes[] = {
        {0.000, 523.25, 0.55, 0.16, 0.0},    // C5
        {0.075, 659.26, 0.55, 0.16, 0.0},    // E5
        {0.150, 783.99, 0.60, 0.18, 0.0},    // G5
        {0.225, 1046.50, 0.80, 0.32, 0.003}, // C6
        {0.225, 1318.51, 0.18, 0.25, 0.004}, // E6
        {0.225, 1567.98, 0.12, 0.20, 0.005}, // G6
        {0.225, 261.63, 0.20, 0.35, 0.0},    // C4
    };
    std::vector<double> mix(sampleCount(kLength));
    for (const Note& note : notes) {
        addNote(mix, note);
    }
    for (std::size_t i = 0; i < mix.size(); ++i) {
        mix[i] *= fadeOut(static_cast<double>(i) / kRate, kLength, kRelease);
    }
    return normalized(mix, 0.7);
}

} // namespace assets
