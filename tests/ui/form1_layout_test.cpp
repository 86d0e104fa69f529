// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as its design table describes it: its frame, the stacking order, and what a click
// meets.
#include "tests/ui/window_fixture.h"

#include <QApplication>

namespace ui::testing {
namespace {

using game::design::Control;

QString qName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

TEST(Form1Layout, FixedSizeWithCloseBoxOnlyAndFocusOnPlay) {
    ScriptedWindow w;
    w.window.show();
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    EXPECT_EQ(w.window.minimumSize(), w.window.maximumSize());
    const Qt::WindowFlags flags = w.window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(QApplication::focusWidget(), w.find("Command1"));
    EXPECT_EQ(w.find("Command1")->nextInFocusChain(), w.find("Command2"));
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_TRUE(w.image(game::design::slotName("Short", slot).c_str())->isVisible()) << slot;
    }
}

TEST(Form1Layout, StackingFollowsTheTable) {
    ScriptedWindow w;
    for (const char* container : {"Form1", "Frame1"}) {
        QStringList designed;
        for (const Control& row : game::design::form1()) {
            if (row.parent == container) {
                designed.append(qName(row.name));
            }
        }
        const QWidget* widget =
            container == std::string_view("Form1") ? &w.window : w.find(container);
        QStringList frontToBack;
        for (const QObject* child : widget->children()) {
            if (child->isWidgetType()) {
                frontToBack.prepend(child->objectName());
            }
        }
        EXPECT_EQ(frontToBack, designed) << container;
    }
}

TEST(Form1Layout, ABackHidesItsSlotUntilHidden) {
    ScriptedWindow w;
    w.window.show();
    QWidget* frame = w.find("Frame1");
    for (int slot = 1; slot <= 5; ++slot) {
        ImageWidget* back = w.image(game::design::slotName("Short", slot).c_str());
        const QWidget* rank = w.find(game::design::slotName("NumCard", slot).c_str());
        const QWidget* card = w.find(game::design::slotName("Card", slot).c_str());
        const QPoint onRank = rank->geometry().center();
        const QPoint onCentre = back->geometry().center();
        EXPECT_EQ(frame->childAt(onRank), back) << slot;
        EXPECT_EQ(frame->childAt(onCentre), back) << slot;
        back->setVisible(false);
        EXPECT_EQ(frame->childAt(onRank), rank) << slot;
        EXPECT_EQ(frame->childAt(onCentre), card) << slot;
    }
}

TEST(Form1Layout, TheParkedMarkerIsClippedAwayAndReadsBackAsWritten) {
    ScriptedWindow w;
    const QRect frame = w.find("Frame1")->rect();
    ImageWidget* pick = w.image("ImagePick");
    for (float parked : {pick->left(), game::DoubleUp::kParkedPickLeft}) {
        pick->setLeft(parked);
        EXPECT_FALSE(frame.intersects(pick->geometry())) << parked;
        EXPECT_EQ(pick->left(), parked);
    }
}

} // namespace
} // namespace ui::testing
