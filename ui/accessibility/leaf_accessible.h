// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An accessible object of the window that is no widget and has no children of its own: a card
// slot, the announcements.
#pragma once

#include <QAccessibleObject>

namespace ui::accessibility {

class LeafAccessible : public QAccessibleObject {
  public:
    using QAccessibleObject::QAccessibleObject;

    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

} // namespace ui::accessibility
