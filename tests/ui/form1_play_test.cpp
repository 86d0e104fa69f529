// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing the window with real clicks and keys, on scripted random numbers.
#include "game/random.h"
#include "tests/support/stderr_capture.h"
#include "tests/ui/window_fixture.h"

namespace ui::testing {
namespace {

const std::string kClick = "cue /opt/vantrello/click.wav";
const std::string kWin = "cue /opt/vantrello/win.wav";

TEST(Form1Play, PlayPickAndCollectByMouse) {
    ScriptedWindow w;
    w.window.show();
    w.scriptDeal(20, {9, 3, 10, 4, 5});
    w.click("Command1");
    EXPECT_EQ(w.text("LabelCredit"), "97");
    EXPECT_EQ(w.text("LabelTotalWin"), "20");
    EXPECT_EQ(w.text("LabelDouble"), "40");
    EXPECT_FALSE(w.image("Short1")->isVisible());
    EXPECT_EQ(w.text("NumCard1"), "9");
    EXPECT_EQ(w.text("NumCard3"), "10");

    w.scriptCards({2, 2, 2, 2, 2});
    w.click("Short3");
    EXPECT_EQ(w.log, (Log{kClick, "pause 300", kWin, "pause 2500"}));
    EXPECT_EQ(w.text("LabelTotalWin"), "40");
    EXPECT_EQ(w.text("LabelStep"), "2");
    EXPECT_EQ(w.text("LabelDouble"), "80");

    w.click("Command2");
    EXPECT_EQ(w.text("LabelCredit"), "137");
    EXPECT_EQ(w.text("LabelTotalWin"), "0");
    for (const char* back : {"Short1", "Short2", "Short3", "Short4", "Short5"}) {
        EXPECT_TRUE(w.image(back)->isVisible()) << back;
    }
}

TEST(Form1Play, DealtCardsShowTheirFaces) {
    ScriptedWindow w;
    w.window.show();
    w.random.add({0.5f, 0.0f, 0.0f, 0.0f, 0.0f});
    for (int suit = 1; suit <= 4; ++suit) {
        w.random.add({game::testing::rankDraw(12), game::testing::suitDraw(suit)});
    }
    w.random.add({game::testing::rankDraw(14), game::testing::suitDraw(3)});
    w.click("Command1");
    EXPECT_EQ(w.image("Card1")->picture(), game::Picture::Spades);
    EXPECT_EQ(w.image("Card2")->picture(), game::Picture::Clubs);
    EXPECT_EQ(w.image("Card2")->width(), 52) << "the clubs face is one pixel wider";
    EXPECT_EQ(w.image("Card3")->width(), 51);
    EXPECT_EQ(w.image("Card5")->picture(), game::Picture::Diamonds);
    EXPECT_EQ(w.label("NumCard1")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(w.label("NumCard3")->palette().color(QPalette::WindowText), QColor(211, 66, 37));
    EXPECT_EQ(w.text("NumCard5"), "A");
    EXPECT_EQ(w.label("NumCard5")->tag(), "14");
    // All five backs share one picture.
    const qint64 back = w.image("Short1")->image().cacheKey();
    for (const char* name : {"Short2", "Short3", "Short4", "Short5"}) {
        EXPECT_EQ(w.image(name)->image().cacheKey(), back) << name;
    }
}

TEST(Form1Play, ClicksThatNoHandlerServesChangeNothing) {
    ScriptedWindow w;
    w.dealt(20, {9, 3, 10, 4, 5});
    for (const char* name : {"Card1", "NumCard1", "ImageDealer", "Image1", "Image2", "LabelCredit",
                             "Label1", "Label3", "Frame1"}) {
        w.click(name);
    }
    // The dealer's back and a hidden back take no click either.
    w.image("Short1")->setVisible(true);
    w.click("Short1");
    w.image("Short2")->setVisible(false);
    QTest::mouseClick(w.find("Frame1"), Qt::LeftButton, {}, w.image("Short2")->geometry().center());
    EXPECT_TRUE(w.log.empty());
    EXPECT_EQ(w.text("LabelTotalWin"), "20");
    EXPECT_EQ(w.image("ImagePick")->left(), 5000.0f);
}

TEST(Form1Play, AnErrorIsReportedOnceAndTheGameGoesOn) {
    ScriptedWindow w;
    w.window.show();
    w.label("LabelCredit")->setCaption("много");
    // Capture what the event boundary writes to stderr.
    test_support::StderrCapture captured;
    w.click("Command1");
    const std::string written = captured.finish();
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 1) << written;
    EXPECT_NE(written.find("vantrello:"), std::string::npos) << written;
    EXPECT_EQ(w.image("ImagePick")->left(), 5000.0f) << "steps before the error stay done";
    w.label("LabelCredit")->setCaption("10");
    w.scriptDeal(0, {2, 2, 2, 2, 2});
    w.click("Command1");
    EXPECT_EQ(w.text("LabelCredit"), "7");
}

} // namespace
} // namespace ui::testing
