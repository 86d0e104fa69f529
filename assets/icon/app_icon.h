// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The application icon, embedded in the program.
#pragma once

#include <QIcon>

namespace assets {

// The icon at every size rendered by the build (16 to 256 pixels square), for the window and
// the task bar. The PNGs are read when the icon is made, so a QGuiApplication must exist.
QIcon applicationIcon();

} // namespace assets
