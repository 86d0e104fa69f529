// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ending the program on a platform that cannot always tear itself down.
#pragma once

#include <QGuiApplication>

#include <cstdio>
#include <unistd.h>

namespace ui {

// Qt 6.4's Wayland client can hang while it closes its connection: its event thread may be
// blocked reading events while the display's destructor waits for it to finish. On Wayland
// the program therefore ends at once with its status, leaving the connection to the system;
// elsewhere the status is returned for an ordinary exit.
inline int finish(int status) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        _exit(status);
    }
    return status;
}

} // namespace ui
