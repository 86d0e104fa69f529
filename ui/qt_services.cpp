// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_services.h"

#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <thread>

namespace ui {

void QtEventPump::pumpEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void SleepPauser::pause(std::uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string programDirectory() {
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

} // namespace ui
