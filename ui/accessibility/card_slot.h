// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A card slot as a screen reader meets it: one object for the slot's back, rank label and suit
// picture together, named for what a sighted player sees there. While the back is shown the
// slot tells nothing of the card beneath it, and the rank label and suit picture are never
// accessible objects of their own.
#pragma once

#include "game/window_design.h"

#include "ui/accessibility/leaf_accessible.h"

#include <QAccessibleActionInterface>
#include <QObject>

namespace ui {
class ImageWidget;
class LabelWidget;
} // namespace ui

namespace ui::accessibility {

class CardSlot : public QObject {
    Q_OBJECT
  public:
    // Slot 1 to 5 of `window`, found by the design table's names of its controls.
    CardSlot(QWidget& window, int slot, QObject* parent);

    // The design row of the slot's back, which speaks for the slot.
    const game::design::Control& row() const { return row_; }
    QWidget& back() const;
    bool faceUp() const;
    // The player's four cards are picked by a click on their backs; the dealer's is not.
    bool pickable() const { return row_.click != nullptr; }
    // "Карта 3: закрыта", "Карта 3: дама червей", "Карта дилера: туз пик".
    QString name() const;
    // Presses the card's key through the window's event queue, which picks the card as a click
    // on its back does. Returns false, posting nothing, for a card that cannot be picked now.
    bool press() const;

  protected:
    // Turning the card over, either way, is announced.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Raises the name and state changes since the last call, once each. A deal shows and hides
    // the backs and changes the cards beneath them in one go; called when that is done, this
    // tells a screen reader of the slot as it ends up, not of every step on the way.
    void announceChanges();

    const game::design::Control& row_;
    ImageWidget& back_;
    LabelWidget& rank_;
    ImageWidget& face_;
    QString announcedName_;
    bool announcedFaceUp_ = false;
    bool announcing_ = false;
};

class CardSlotAccessible : public LeafAccessible, public QAccessibleActionInterface {
  public:
    explicit CardSlotAccessible(CardSlot* slot);

    QWindow* window() const override;
    QRect rect() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // Press picks the card while its back is shown, as a click on the back does.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

  private:
    CardSlot& slot() const;
};

} // namespace ui::accessibility
