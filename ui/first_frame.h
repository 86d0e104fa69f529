// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Work the first sight of the window does not need waits until the window has drawn it.
#pragma once

#include <functional>

class QWidget;

namespace ui {

// Runs `call` once, from the event loop, after the window has painted its first frame and that
// frame has gone to the screen.
void afterFirstFrame(QWidget& window, std::function<void()> call);

} // namespace ui
