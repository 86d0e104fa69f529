// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The accessible interface of every widget of the game window, the window included: name, role,
// description and children as its design row's `speech` says. A widget that is Unseen answers
// with nothing at all: no name, no text, no children, no actions, and the state invisible.
#pragma once

#include "game/window_design.h"

#include <QAccessibleWidget>
#include <vector>

namespace ui::accessibility {

class ControlAccessible : public QAccessibleWidget {
  public:
    explicit ControlAccessible(QWidget* widget);

    // An Unseen widget is no accessible object at all: Qt's accessibility bridge sends no event
    // for it (its shows, hides and text changes), which a screen reader could not place.
    bool isValid() const override;

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // A button's press is a press of Space on it, through the window's event queue.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

  private:
    // The widget's design row, by its name at the moment; nullptr for a widget the table lacks,
    // which is then Unseen.
    const game::design::Control* row() const;
    game::design::Speech speech() const;
    bool isButton() const;
    std::vector<QObject*> children() const;
};

} // namespace ui::accessibility
