// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A click that an accessibility client asks for, made the way the window system makes one.
#pragma once

class QWidget;

namespace ui::accessibility {

// Posts a left-button press and release at the centre of `target` to its window, so the click
// waits in the event queue like one made with the mouse: while a pick pauses it runs at the next
// pump, nested in the pick, and whatever lies under that point when it runs takes it. Returns
// false, posting nothing, while the window is not on screen.
bool postClick(const QWidget& target);

} // namespace ui::accessibility
