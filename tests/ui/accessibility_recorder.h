// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt's accessibility switched on as a screen reader switches it on, on the offscreen platform,
// with every event it raises recorded together with what its object says at that moment.
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <vector>

namespace ui::testing {

struct AccessibleEvent {
    QAccessible::Event type;
    QObject* object;
    QString name;               // the object's name when the event was raised
    QAccessible::State changed; // for StateChanged
};

class AccessibilityRecorder {
  public:
    AccessibilityRecorder() {
        events().clear();
        platform()->setActive(true);
        QAccessible::installUpdateHandler(record);
    }
    ~AccessibilityRecorder() {
        QAccessible::installUpdateHandler(nullptr);
        platform()->setActive(false);
        events().clear();
    }
    AccessibilityRecorder(const AccessibilityRecorder&) = delete;
    AccessibilityRecorder& operator=(const AccessibilityRecorder&) = delete;

    static std::vector<AccessibleEvent>& events() {
        static std::vector<AccessibleEvent> recorded;
        return recorded;
    }
    void clear() { events().clear(); }

    // The events of one type raised for one object, in order.
    std::vector<AccessibleEvent> of(const QObject* object, QAccessible::Event type) const {
        std::vector<AccessibleEvent> found;
        for (const AccessibleEvent& e : events()) {
            if (e.object == object && e.type == type) {
                found.push_back(e);
            }
        }
        return found;
    }

  private:
    static QPlatformAccessibility* platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static void record(QAccessibleEvent* event) {
        QAccessibleInterface* iface = event->accessibleInterface();
        AccessibleEvent e{event->type(),
                          event->object(),
                          iface != nullptr ? iface->text(QAccessible::Name) : QString(),
                          {}};
        if (event->type() == QAccessible::StateChanged) {
            e.changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
        }
        events().push_back(e);
    }
};

} // namespace ui::testing
