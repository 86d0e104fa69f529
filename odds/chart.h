// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart of a report, drawn with Qt: the simulated win's distribution against the exact
// table, and the return of each strategy, simulated with its interval against the exact one.
#pragma once

#include "odds/report.h"

#include <string>

namespace odds {

// Writes the chart to `path`, SVG or PNG by its suffix. Needs a QGuiApplication. Returns an
// error message, or an empty text when the file was written.
std::string drawChart(const Report& report, const std::string& path);

} // namespace odds
