// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's two sound cues, computed from scratch: mono samples in [-1, 1] at
// kCueSampleRate. The same program always yields the same samples.
#pragma once

#include <vector>

namespace assets {

inline constexpr int kCueSampleRate = 44100;

// A soft, short wooden click: a card being picked.
std::vector<float> synthesizeClickCue();

// A bright rising arpeggio that rings out on its top note, under a second long.
std::vector<float> synthesizeWinCue();

} // namespace assets
