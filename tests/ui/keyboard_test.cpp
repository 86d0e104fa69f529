// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing the window with the keyboard alone: the digit keys pick the player's cards exactly as
// clicks on their backs do; focus order unchanged.
#include "tests/ui/window_fixture.h"
#include "ui/keyboard.h"

#include <QApplication>

namespace ui::testing {
namespace {

using Action = KeyCommand::Action;

struct KeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    bool autoRepeat;
    KeyCommand expected;
};

TEST(KeyCommands, DigitsClickThePlayersBacksAndShiftF10OpensTheMenu) {
    const KeyCommand none{};
    const std::vector<KeyCase> cases{
        {Qt::Key_1, Qt::NoModifier, false, {Action::Click, "Short2"}},
        {Qt::Key_2, Qt::NoModifier, false, {Action::Click, "Short3"}},
        {Qt::Key_3, Qt::NoModifier, false, {Action::Click, "Short4"}},
        {Qt::Key_4, Qt::NoModifier, false, {Action::Click, "Short5"}},
        {Qt::Key_1, Qt::KeypadModifier, false, {Action::Click, "Short2"}},
        {Qt::Key_4, Qt::KeypadModifier, false, {Action::Click, "Short5"}},
        {Qt::Key_2, Qt::ShiftModifier, false, {Action::Click, "Short3"}}, // AZERTY
        {Qt::Key_0, Qt::NoModifier, false, none},
        {Qt::Key_5, Qt::NoModifier, false, none},
        {Qt::Key_5, Qt::KeypadModifier, false, none},
        {Qt::Key_1, Qt::ControlModifier, false, none},
        {Qt::Key_1, Qt::AltModifier, false, none},
        {Qt::Key_1, Qt::MetaModifier, false, none},
        {Qt::Key_2, Qt::NoModifier, true, none},
        // The keypad's digits with Num Lock off are arrows and the like, not digits.
        {Qt::Key_End, Qt::KeypadModifier, false, none},
        {Qt::Key_Down, Qt::KeypadModifier, false, none},
        {Qt::Key_Q, Qt::NoModifier, false, none},
        {Qt::Key_Return, Qt::NoModifier, false, none},
        {Qt::Key_Space, Qt::NoModifier, false, none},
        {Qt::Key_F10, Qt::ShiftModifier, false, {Action::Menu}},
        {Qt::Key_F10, Qt::ShiftModifier, true, none},
        {Qt::Key_F10, Qt::NoModifier, false, none},
        // The Menu key comes as a context-menu event; F1 and Ctrl+Q are the menu's shortcuts.
        {Qt::Key_Menu, Qt::NoModifier, false, none},
        {Qt::Key_F1, Qt::NoModifier, false, none},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(keyCommand(c.key, c.modifiers, c.autoRepeat), c.expected)
            << "key " << c.key << " modifiers " << c.modifiers.toInt() << " repeat "
            << c.autoRepeat;
    }
}

// A shown, active window with its focus on "Play", as it opens.
void activate(ScriptedWindow& w) {
    w.window.show();
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
}

void press(ScriptedWindow& w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // Keys go to the focused button first, which passes on what it does not use.
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &w.window, Qt::Key(key), modifiers);
}

TEST(Form1Keys, KeysWithAModifierOrRepeatPickNothing) {
    ScriptedWindow w;
    activate(w);
    w.dealt(20, {9, 3, 3, 3, 3});
    press(w, Qt::Key_1, Qt::ControlModifier); // the window hands on the modifiers
    // A repeat of a held key: it must not pick again once a later deal shows the backs.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"), true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    EXPECT_TRUE(w.log.empty());
    for (const char* back : {"Short2", "Short3", "Short4", "Short5"}) {
        EXPECT_TRUE(w.image(back)->isVisible()) << back;
    }
    press(w, Qt::Key_4);
    EXPECT_EQ(w.image("ImagePick")->left(), game::DoubleUp::pickMarkerLeft(5));
}

TEST(Form1Keys, AKeyOnAFaceUpCardOrBeforeTheFirstDealChangesNothing) {
    ScriptedWindow w;
    activate(w);
    press(w, Qt::Key_3);
    EXPECT_TRUE(w.log.empty()) << "a pick before the first deal is ignored, by key as by click";
    EXPECT_TRUE(w.image("Short4")->isVisible());

    w.dealt(20, {9, 3, 3, 3, 3});
    press(w, Qt::Key_1);
    w.log.clear();
    for (int key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) {
        press(w, key);
    }
    EXPECT_TRUE(w.log.empty());
    EXPECT_EQ(w.image("ImagePick")->left(), game::DoubleUp::pickMarkerLeft(2));
}

TEST(Form1Keys, FirstFocusAndTabOrderAreTheButtonsAlone) {
    ScriptedWindow w;
    activate(w);
    EXPECT_EQ(QApplication::focusWidget(), w.find("Command1"));
    press(w, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.find("Command2"));
    press(w, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.find("Command1"));
    // Nothing else of the window ever takes the focus, the cards included.
    for (QWidget* widget : w.window.findChildren<QWidget*>()) {
        if (!qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << widget->objectName().toStdString();
        }
    }
}

TEST(Form1Keys, AWholeGameWithTheKeyboardAlone) {
    ScriptedWindow w;
    activate(w);
    w.scriptDeal(20, {9, 3, 10, 4, 5});
    press(w, Qt::Key_Return); // "Play"
    EXPECT_EQ(w.text("LabelCredit"), "97");
    press(w, Qt::Key_Tab); // the digits pick whichever button has the focus
    w.scriptCards({2, 2, 2, 2, 2});
    press(w, Qt::Key_2, Qt::KeypadModifier); // the 10 beats the 9; the keypad's digit as well
    EXPECT_EQ(w.text("LabelTotalWin"), "40");
    EXPECT_EQ(w.text("LabelStep"), "2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // "Забрать"
    EXPECT_EQ(w.text("LabelCredit"), "137");
    EXPECT_EQ(w.text("LabelTotalWin"), "0");
}

} // namespace
} // namespace ui::testing
