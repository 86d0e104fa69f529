// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility/window_speech.h"

#include "game/window_design.h"
#include "ui/accessibility/announcement.h"
#include "ui/accessibility/card_slot.h"
#include "ui/accessibility/control_accessible.h"
#include "ui/form1.h"
#include "ui/qt_text.h"

#include <QAccessible>
#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace ui::accessibility {
namespace {

using game::design::Control;
using game::design::Speech;

QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    if (auto* slot = qobject_cast<CardSlot*>(object)) {
        return new CardSlotAccessible(slot);
    }
    if (auto* announcement = qobject_cast<Announcement*>(object)) {
        return new AnnouncementAccessible(announcement);
    }
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    // Every widget of the game window, claimed as soon as it exists: a widget may be asked for
    // before it has its name, so the interface looks its design row up on each question.
    auto* widget = static_cast<QWidget*>(object);
    if (qobject_cast<Form1*>(widget->window()) == nullptr) {
        return nullptr;
    }
    return new ControlAccessible(widget);
}

} // namespace

void installFactory() {
    // Qt ignores a factory installed twice.
    QAccessible::installFactory(interfaceFor);
}

WindowSpeech::WindowSpeech(QWidget& window) : QObject(&window), window_(window) {
    for (int slot = 1; slot <= 5; ++slot) {
        slots_.push_back(new CardSlot(window, slot, this));
    }
    announcement_ = new Announcement(window);
    for (const Control& control : game::design::form1()) {
        if (control.speech == Speech::Marker) {
            marker_ = window.findChild<QWidget*>(toQString(control.name));
        }
    }
    if (marker_ != nullptr) {
        marker_->installEventFilter(this);
    }
}

WindowSpeech* WindowSpeech::of(const QWidget& widget) {
    return widget.window()->findChild<WindowSpeech*>(QString(), Qt::FindDirectChildrenOnly);
}

std::vector<QObject*> WindowSpeech::children(const QWidget& container) const {
    const QString name = container.objectName();
    std::vector<const Control*> rows;
    for (const Control& control : game::design::form1()) {
        if (control.speech != Speech::Unseen && toQString(control.parent) == name) {
            rows.push_back(&control);
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Control* a, const Control* b) {
        return std::pair(a->twips.top, a->twips.left) < std::pair(b->twips.top, b->twips.left);
    });
    std::vector<QObject*> children;
    for (const Control* row : rows) {
        QObject* child = nullptr;
        if (row->speech == Speech::CardSlot) {
            const auto found = std::find_if(slots_.begin(), slots_.end(),
                                            [row](const CardSlot* s) { return &s->row() == row; });
            child = found != slots_.end() ? *found : nullptr;
        } else {
            child = window_.findChild<QWidget*>(toQString(row->name));
        }
        if (child != nullptr) {
            children.push_back(child);
        }
    }
    if (&container == &window_) {
        children.push_back(announcement_);
    }
    return children;
}

QString WindowSpeech::markerName() const {
    if (marker_ == nullptr || !marker_->geometry().intersects(marker_->parentWidget()->rect())) {
        return {};
    }
    const Control& row = game::design::control(marker_->objectName().toStdString());
    const int centre = marker_->geometry().center().x();
    for (const CardSlot* slot : slots_) {
        const QRect back = slot->back().geometry();
        if (back.left() <= centre && centre <= back.right()) {
            // "Карта 2" follows "Выбрана" in lower case: "Выбрана карта 2".
            const QString card = inLanguage(slot->row().spoken);
            return inLanguage(row.spoken) + QLatin1Char(' ') + card.left(1).toLower() + card.mid(1);
        }
    }
    return inLanguage(row.spoken);
}

bool WindowSpeech::eventFilter(QObject* watched, QEvent* event) {
    if (watched == marker_ && event->type() == QEvent::Move) {
        const QString name = markerName();
        if (name != markerAnnounced_) {
            const bool wasInSight = !markerAnnounced_.isEmpty();
            markerAnnounced_ = name;
            if (name.isEmpty() || !wasInSight) {
                QAccessibleEvent shown(marker_, name.isEmpty() ? QAccessible::ObjectHide
                                                               : QAccessible::ObjectShow);
                QAccessible::updateAccessibility(&shown);
            }
            if (!name.isEmpty()) {
                QAccessibleEvent named(marker_, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&named);
            }
        }
    }
    return false;
}

void WindowSpeech::announce(const QString& text) {
    announcement_->say(text);
}

WindowSpeech& attach(QWidget& window) {
    return *new WindowSpeech(window);
}

} // namespace ui::accessibility
