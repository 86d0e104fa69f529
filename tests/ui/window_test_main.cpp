// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// GoogleTest with a live QApplication, as the window needs one.
#include "ui/platform_exit.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The window tests draw off screen, whatever display the machine has.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return ui::finish(RUN_ALL_TESTS());
}
