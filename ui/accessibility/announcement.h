// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's announcements as a screen reader takes them: one object of the notification role,
// the window's last child, that shows itself anew with each announcement as its name. A shown
// notification is what screen readers speak at once, whatever has the focus; Qt 6.8's
// QAccessibleAnnouncementEvent says the same to the platform more directly, and say() is the one
// place to send it from once the game builds with it.
#pragma once

#include "ui/accessibility/leaf_accessible.h"

#include <QObject>
#include <QString>

class QWidget;

namespace ui::accessibility {

class Announcement : public QObject {
    Q_OBJECT
  public:
    explicit Announcement(QWidget& window);

    QWidget& window() const { return window_; }
    // The last announcement; empty before the first.
    const QString& text() const { return text_; }
    // Hides the last announcement, takes `text` as the name and shows it.
    void say(const QString& text);

  private:
    QWidget& window_;
    QString text_;
};

class AnnouncementAccessible : public LeafAccessible {
  public:
    explicit AnnouncementAccessible(Announcement* announcement);

    QWindow* window() const override;
    QRect rect() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

  private:
    Announcement& announcement() const;
};

} // namespace ui::accessibility
