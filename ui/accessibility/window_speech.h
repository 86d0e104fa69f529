// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window as Qt's accessibility interfaces show it to a screen reader, in the window's
// language: every control named and given its role as the design table's `speech` says, the
// decorations, the suit templates and the hidden cards left out, and changes announced.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QWidget;

namespace ui::accessibility {

class Announcement;
class CardSlot;

// Makes Qt ask this module for the interfaces of the game window and its widgets. Call it before
// the window makes its first widget: Qt keeps an interface once it has made one for a widget.
void installFactory();

// What attach() adds to a built window: its five card slots, its announcements, and the watch on
// the pick marker that announces it coming into sight, moving and going.
class WindowSpeech : public QObject {
    Q_OBJECT
  public:
    explicit WindowSpeech(QWidget& window);

    // The one of the widget's window, or nullptr before it is attached.
    static WindowSpeech* of(const QWidget& widget);

    // The accessible children of a container of the window, in reading order: top to bottom,
    // then left to right, by their designed places; the window's announcements come last.
    std::vector<QObject*> children(const QWidget& container) const;

    // "Выбрана карта 2" while the marker stands in sight beneath the second of the player's
    // cards; empty while it is parked out of sight.
    QString markerName() const;

    // Tells a screen reader `text` at once, whatever has the focus.
    void announce(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    std::vector<CardSlot*> slots_;
    Announcement* announcement_ = nullptr;
    QWidget* marker_ = nullptr;
    QString markerAnnounced_;
};

// Gives the built window its accessible card slots and its announcements.
WindowSpeech& attach(QWidget& window);

} // namespace ui::accessibility
