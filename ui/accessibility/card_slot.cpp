// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility/card_slot.h"

#include "game/spoken_names.h"
#include "ui/accessibility/posted_press.h"
#include "ui/image_widget.h"
#include "ui/label_widget.h"
#include "ui/qt_text.h"

#include <QEvent>
#include <QWidget>

namespace ui::accessibility {
namespace {

template <typename T> T& slotWidget(QWidget& window, std::string_view prefix, int slot) {
    T* found = window.findChild<T*>(QString::fromStdString(game::design::slotName(prefix, slot)));
    Q_ASSERT_X(found != nullptr, "CardSlot", "the window lacks a control of a card slot");
    return *found;
}

} // namespace

CardSlot::CardSlot(QWidget& window, int slot, QObject* parent)
    : QObject(parent), row_(game::design::control(game::design::slotName("Short", slot))),
      back_(slotWidget<ImageWidget>(window, "Short", slot)),
      rank_(slotWidget<LabelWidget>(window, "NumCard", slot)),
      face_(slotWidget<ImageWidget>(window, "Card", slot)), announcedName_(name()),
      announcedFaceUp_(faceUp()) {
    back_.installEventFilter(this);
}

QWidget& CardSlot::back() const {
    return back_;
}

bool CardSlot::faceUp() const {
    // The back's own visible flag: a card is face up when its back is hidden.
    return back_.isHidden();
}

QString CardSlot::name() const {
    return toQString(
        game::design::cardName(row_, faceUp(), rank_.text().toStdString(), face_.picture()));
}

bool CardSlot::press() const {
    if (!pickable() || faceUp()) {
        return false;
    }
    // The card's key stands for a click on its back (the window's keys), so pressing it is
    // picking the card exactly as a click would, whenever the window gets to the key.
    postKeyPress(*back_.window(), static_cast<unsigned char>(row_.key),
                 QString(QLatin1Char(row_.key)));
    return true;
}

bool CardSlot::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &back_ && !announcing_ &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        // After the rule that turned the card is done: at the next pass of the event loop,
        // which the rules' own pumps and pauses run too.
        announcing_ = true;
        QMetaObject::invokeMethod(this, &CardSlot::announceChanges, Qt::QueuedConnection);
    }
    return false;
}

void CardSlot::announceChanges() {
    announcing_ = false;
    if (const QString now = name(); now != announcedName_) {
        announcedName_ = now;
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
    if (pickable() && faceUp() != announcedFaceUp_) {
        announcedFaceUp_ = faceUp();
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent turned(this, changed);
        QAccessible::updateAccessibility(&turned);
    }
}

CardSlotAccessible::CardSlotAccessible(CardSlot* slot) : LeafAccessible(slot) {}

CardSlot& CardSlotAccessible::slot() const {
    return *static_cast<CardSlot*>(object());
}

QWindow* CardSlotAccessible::window() const {
    return slot().back().window()->windowHandle();
}

QRect CardSlotAccessible::rect() const {
    // The card lies where its back lies.
    const QWidget& back = slot().back();
    return {back.mapToGlobal(QPoint(0, 0)), back.size()};
}

QAccessibleInterface* CardSlotAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(slot().back().parentWidget());
}

QString CardSlotAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? slot().name() : QString();
}

QAccessible::Role CardSlotAccessible::role() const {
    return slot().pickable() ? QAccessible::Button : QAccessible::Graphic;
}

QAccessible::State CardSlotAccessible::state() const {
    QAccessible::State state;
    const QWidget& back = slot().back();
    state.invisible = !back.window()->isVisible();
    // A face-up card of the player's can no longer be picked.
    state.disabled = slot().pickable() && slot().faceUp();
    return state;
}

void* CardSlotAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ActionInterface && slot().pickable()) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

QStringList CardSlotAccessible::actionNames() const {
    if (slot().pickable() && !slot().faceUp()) {
        return {pressAction()};
    }
    return {};
}

void CardSlotAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        slot().press();
    }
}

QStringList CardSlotAccessible::keyBindingsForAction(const QString& actionName) const {
    const char key = slot().row().key;
    if (actionName == pressAction() && key != 0) {
        return {QString(QLatin1Char(key))};
    }
    return {};
}

} // namespace ui::accessibility
