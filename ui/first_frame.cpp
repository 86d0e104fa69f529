// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace ui {
namespace {

// Watches the window for its first paint. The window is painted first, then its controls, and
// the frame goes to the screen once all are painted: a call queued at the first paint runs after.
class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget& window, std::function<void()> call)
        : QObject(&window), call_(std::move(call)) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !queued_) {
            queued_ = true;
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    call_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void()> call_;
    bool queued_ = false;
};

} // namespace

void afterFirstFrame(QWidget& window, std::function<void()> call) {
    new FirstPaint(window, std::move(call));
}

} // namespace ui
