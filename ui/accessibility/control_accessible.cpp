// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility/control_accessible.h"

#include "game/spoken_names.h"
#include "ui/accessibility/posted_press.h"
#include "ui/accessibility/window_speech.h"
#include "ui/qt_text.h"

#include <QAbstractButton>
#include <QLabel>
#include <algorithm>

namespace ui::accessibility {
namespace {

using game::design::Kind;
using game::design::Speech;

} // namespace

ControlAccessible::ControlAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

bool ControlAccessible::isValid() const {
    return QAccessibleWidget::isValid() && speech() != Speech::Unseen;
}

const game::design::Control* ControlAccessible::row() const {
    const std::string name = widget()->objectName().toStdString();
    for (const game::design::Control& control : game::design::form1()) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

game::design::Speech ControlAccessible::speech() const {
    const game::design::Control* control = row();
    // A card back never speaks for itself: its slot's own object speaks for the slot.
    if (control == nullptr || control->speech == Speech::CardSlot) {
        return Speech::Unseen;
    }
    return control->speech;
}

bool ControlAccessible::isButton() const {
    const game::design::Control* control = row();
    return control != nullptr && control->kind == Kind::Button && speech() != Speech::Unseen;
}

QAccessible::Role ControlAccessible::role() const {
    const game::design::Control* control = row();
    switch (speech()) {
    case Speech::Unseen:
    case Speech::CardSlot:
        return QAccessible::NoRole;
    case Speech::Caption:
        if (control->kind == Kind::Window) {
            return QAccessible::Window;
        }
        return isButton() ? QAccessible::Button : QAccessible::StaticText;
    case Speech::Value:
        return QAccessible::StaticText;
    case Speech::Named:
        return QAccessible::Grouping;
    case Speech::Marker:
        return QAccessible::Graphic;
    }
    return QAccessible::NoRole;
}

QString ControlAccessible::text(QAccessible::Text t) const {
    const Speech how = speech();
    if (how == Speech::Unseen) {
        return {};
    }
    const game::design::Control& control = *row();
    QString caption;
    if (const auto* label = qobject_cast<const QLabel*>(widget())) {
        caption = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget())) {
        caption = button->text();
    } else if (widget()->isWindow()) {
        caption = widget()->windowTitle();
    }
    if (t == QAccessible::Description) {
        return how == Speech::Caption ? inLanguage(control.spoken) : QString();
    }
    if (t != QAccessible::Name) {
        return {};
    }
    switch (how) {
    case Speech::Caption:
        return caption;
    case Speech::Value:
        return toQString(game::design::valueName(control, caption.toStdString()));
    case Speech::Named:
        return inLanguage(control.spoken);
    case Speech::Marker:
        if (const WindowSpeech* window = WindowSpeech::of(*widget())) {
            return window->markerName();
        }
        return {};
    case Speech::Unseen:
    case Speech::CardSlot:
        break;
    }
    return {};
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const Speech how = speech();
    if (how == Speech::Unseen) {
        state = {};
        state.invisible = true;
    } else if (how == Speech::Marker && text(QAccessible::Name).isEmpty()) {
        // Parked beyond the table's edge, where the table clips it away.
        state.invisible = true;
        state.offscreen = true;
    }
    return state;
}

std::vector<QObject*> ControlAccessible::children() const {
    const Speech how = speech();
    if (how == Speech::Unseen || how == Speech::Marker) {
        return {};
    }
    const WindowSpeech* window = WindowSpeech::of(*widget());
    return window != nullptr ? window->children(*widget()) : std::vector<QObject*>{};
}

int ControlAccessible::childCount() const {
    return static_cast<int>(children().size());
}

QAccessibleInterface* ControlAccessible::child(int index) const {
    const std::vector<QObject*> all = children();
    if (index < 0 || index >= static_cast<int>(all.size())) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(all[static_cast<std::size_t>(index)]);
}

int ControlAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) {
        return -1;
    }
    const std::vector<QObject*> all = children();
    const auto found = std::find(all.begin(), all.end(), child->object());
    return found == all.end() ? -1 : static_cast<int>(found - all.begin());
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (speech() == Speech::Unseen) {
        return nullptr;
    }
    return QAccessibleWidget::interface_cast(t);
}

QStringList ControlAccessible::actionNames() const {
    if (speech() == Speech::Unseen) {
        return {};
    }
    QStringList names = QAccessibleWidget::actionNames();
    if (isButton() && widget()->isEnabled()) {
        names.prepend(pressAction());
    }
    return names;
}

void ControlAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        if (isButton() && widget()->isEnabled()) {
            // Space presses a button as a click does, whether or not it has the focus.
            postKeyPress(*widget(), Qt::Key_Space, QStringLiteral(" "));
        }
        return;
    }
    if (speech() != Speech::Unseen) {
        QAccessibleWidget::doAction(actionName);
    }
}

} // namespace ui::accessibility
