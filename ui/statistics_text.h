// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// This session's figures as the statistics window shows them, one "words: figure" line each, in
// the player's language, beside the exact long-run return of collecting every win at once.
#pragma once

#include "game/session_statistics.h"

#include <QStringList>

namespace ui {

// The lines for `figures`; `longRunReturn` is what collecting at once returns per credit paid.
QStringList statisticsText(const game::SessionFigures& figures, double longRunReturn);

// What collecting every win at once returns per credit paid, exactly, from the odds.
double collectAtOnceReturn();

} // namespace ui
