// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts/window_fonts.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Headless unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // As the game starts: fontconfig sees no font but the embedded ones
    // (tests/ui/fonts/CMakeLists.txt runs the tests once that way).
    if (qEnvironmentVariableIsSet("VANTRELLO_TEST_ONLY_EMBEDDED_FONTS")) {
        ui::useOnlyEmbeddedFonts();
    }
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
