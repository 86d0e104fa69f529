// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A press that an accessibility client asks for, made as the keyboard makes it.
#pragma once

#include <QString>

class QWidget;

namespace ui::accessibility {

// Posts a press and a release of `key` to `receiver`. The key waits in the event queue like any
// input: while a pick pauses it runs at the pick's next pump, nested in the pick, and the
// receiver decides only then, on the table as it is then, what the key does. A key event, unlike
// a mouse event made ahead of its delivery, carries no pointer position that a later mouse event
// could overwrite.
void postKeyPress(QWidget& receiver, int key, const QString& text);

} // namespace ui::accessibility
