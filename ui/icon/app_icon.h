// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The application icon, embedded in the program.
#pragma once

#include <QIcon>

namespace ui {

// The icon for the window, at the sizes a title bar or task bar draws (16 to 64 pixels square;
// the icon theme holds the larger ones), from the PNGs embedded as Qt resources. Needs a
// QGuiApplication.
QIcon applicationIcon();

} // namespace ui
