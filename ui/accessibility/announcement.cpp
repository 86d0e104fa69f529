// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility/announcement.h"

#include <QWidget>

namespace ui::accessibility {

Announcement::Announcement(QWidget& window) : QObject(&window), window_(window) {}

void Announcement::say(const QString& text) {
    // Screen readers speak a notification when it is shown, and read its name then: a client
    // that keeps names learns of the new one before it is shown again.
    if (!text_.isEmpty()) {
        QAccessibleEvent hidden(this, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hidden);
    }
    text_ = text;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

AnnouncementAccessible::AnnouncementAccessible(Announcement* announcement)
    : LeafAccessible(announcement) {}

Announcement& AnnouncementAccessible::announcement() const {
    return *static_cast<Announcement*>(object());
}

QWindow* AnnouncementAccessible::window() const {
    return announcement().window().windowHandle();
}

QRect AnnouncementAccessible::rect() const {
    // Nothing on the screen shows it: it takes no room, at the window's corner.
    return {announcement().window().mapToGlobal(QPoint(0, 0)), QSize()};
}

QAccessibleInterface* AnnouncementAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(&announcement().window());
}

QString AnnouncementAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? announcement().text() : QString();
}

QAccessible::Role AnnouncementAccessible::role() const {
    return QAccessible::Notification;
}

QAccessible::State AnnouncementAccessible::state() const {
    QAccessible::State state;
    state.invisible = announcement().text().isEmpty() || !announcement().window().isVisible();
    state.readOnly = true;
    return state;
}

} // namespace ui::accessibility
