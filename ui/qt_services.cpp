// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_services.h"

#include "ui/held_input.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <chrono>

namespace ui {

void QtEventPump::pumpEvents() {
    HeldInput::instance().handOver();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void EventLoopPauser::pause(std::uint32_t milliseconds) {
    using std::chrono::steady_clock;
    const steady_clock::time_point end =
        steady_clock::now() + std::chrono::milliseconds(milliseconds);
    const HeldInput::Pause holding(HeldInput::instance());
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QEventLoop* const outer = running_;
    running_ = &loop;
    interrupted_ = false;
    for (;;) {
        const auto left = end - steady_clock::now();
        if (interrupted_ || left <= steady_clock::duration::zero()) {
            break;
        }
        // A timer may fire a little before its time: the loop goes on until the end is reached.
        timer.start(std::chrono::ceil<std::chrono::milliseconds>(left));
        timedOut = false;
        loop.exec();
        if (!timedOut && !interrupted_) {
            break; // the application is quitting: every event loop is told to end
        }
    }
    running_ = outer;
}

void EventLoopPauser::interrupt() {
    interrupted_ = true;
    if (running_ != nullptr) {
        running_->quit();
    }
}

std::string programDirectory() {
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

} // namespace ui
