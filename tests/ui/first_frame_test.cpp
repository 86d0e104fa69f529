// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Work put off until the window's first frame runs once, after that frame is painted.
#include "ui/first_frame.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class Painted : public QWidget {
  public:
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(AfterFirstFrame, RunsOnceAfterTheFirstPaint) {
    Painted window;
    window.resize(100, 80);
    int calls = 0;
    int paintsSeen = -1;
    ui::afterFirstFrame(window, [&] {
        ++calls;
        paintsSeen = window.paints;
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0) << "ran before the window was shown";
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(calls, 1);
    EXPECT_GE(paintsSeen, 1) << "ran before the first paint";
    // Later frames run nothing again.
    window.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

TEST(AfterFirstFrame, NothingRunsForAWindowThatIsGone) {
    int calls = 0;
    {
        Painted window;
        ui::afterFirstFrame(window, [&] { ++calls; });
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0);
}

} // namespace
