// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/held_input.h"

#include "ui/keyboard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcutEvent>

#include <memory>

namespace ui {
namespace {

// What the player does to the window: pointer, wheel, touch, pen and keys, and the shortcuts
// keys set off.
bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::Gesture:
        return true;
    default:
        return false;
    }
}

// The key that closes the game. A close is never held: it ends a pause at once, as the window's
// close button does. Neither are the shortcut's offer before the key and the shortcut it makes.
bool closes(const QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        return quitKeys().contains(static_cast<const QShortcutEvent*>(event)->key());
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    const QKeySequence pressed(key->key() | (key->modifiers() & ~Qt::KeypadModifier));
    return quitKeys().contains(pressed);
}

// A widget, a window, or something a widget owns (a shortcut, an action).
bool ofTheWindow(const QObject* receiver) {
    for (const QObject* o = receiver; o != nullptr; o = o->parent()) {
        if (o->isWidgetType() || o->isWindowType()) {
            return true;
        }
    }
    return false;
}

} // namespace

HeldInput& HeldInput::instance() {
    static QPointer<HeldInput> hold;
    if (hold.isNull()) {
        hold = new HeldInput(QCoreApplication::instance());
    }
    return *hold;
}

HeldInput::HeldInput(QObject* application) : QObject(application) {
    Q_ASSERT_X(application != nullptr, "ui::HeldInput", "needs a QCoreApplication");
    if (application != nullptr) {
        application->installEventFilter(this);
    }
}

HeldInput::Pause::Pause(HeldInput& held) : held_(held) {
    ++held_.pauses_;
}

HeldInput::Pause::~Pause() {
    held_.endPause();
}

void HeldInput::endPause() {
    --pauses_;
    if (pauses_ > 0 || waiting_.empty() || handOverQueued_) {
        return;
    }
    // Should the handler that paused return without pumping again, the event loop hands the
    // input over before it takes any newer event.
    handOverQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            handOverQueued_ = false;
            handOver();
        },
        Qt::QueuedConnection);
}

void HeldInput::handOver() {
    if (pauses_ > 0) {
        return;
    }
    while (!waiting_.empty()) {
        const std::function<void()> next = std::move(waiting_.front());
        waiting_.pop_front();
        ++handing_;
        struct Done {
            int& handing;
            ~Done() { --handing; }
        } done{handing_};
        next();
    }
}

void HeldInput::defer(QObject* context, std::function<void()> call) {
    waiting_.push_back([context = QPointer<QObject>(context), call = std::move(call)] {
        if (context) {
            call();
        }
    });
}

void HeldInput::discard() {
    waiting_.clear();
}

bool HeldInput::eventFilter(QObject* receiver, QEvent* event) {
    if (!holding() || !isInput(event->type()) || !ofTheWindow(receiver) || closes(event)) {
        return false;
    }
    event->accept();
    if (event->type() == QEvent::ShortcutOverride) {
        // No shortcut is matched now: the key goes on as a key press, which waits here, and
        // is matched against the shortcuts when it is handed over (a key press that is not
        // spontaneous is offered to the shortcuts first).
        return true;
    }
    waiting_.push_back(
        [receiver = QPointer<QObject>(receiver), copy = std::shared_ptr<QEvent>(event->clone())] {
            if (receiver) {
                QCoreApplication::sendEvent(receiver, copy.get());
            }
        });
    return true;
}

} // namespace ui
