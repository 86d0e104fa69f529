// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The text of "How to play": the rules in a few sentences, the keys, and the long-run figures,
// worked out exactly from the odds each time the text is made, never typed in.
#pragma once

#include <QString>

namespace ui {

// How many doublings in a row the help sets beside collecting at once to show the spread grow.
inline constexpr int kHelpDoublings = 3;

// The paragraphs, in the player's language, a blank line between them.
QString howToPlayText();

} // namespace ui
