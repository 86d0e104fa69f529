// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report as JSON, for machines: every figure of the table, exact fractions as text.
#pragma once

#include "odds/report.h"

#include <QByteArray>

namespace odds {

QByteArray renderJson(const Report& report);

} // namespace odds
