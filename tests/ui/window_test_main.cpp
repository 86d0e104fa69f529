// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// GoogleTest with a live QApplication, as the window needs one, in the design's Russian or, built
// with VANTRELLO_TEST_LANGUAGE, in that translation.
#include "ui/platform_exit.h"
#include "ui/translation.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The window tests draw off screen, whatever display the machine has.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
#ifdef VANTRELLO_TEST_LANGUAGE
    // The whole binary plays in that language, as a player whose desktop asks for it.
    if (ui::installTranslation({QStringLiteral(VANTRELLO_TEST_LANGUAGE)}).isEmpty()) {
        return 1;
    }
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return ui::finish(RUN_ALL_TESTS());
}
