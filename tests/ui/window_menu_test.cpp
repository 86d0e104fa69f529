// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's menu: a right click, the Menu key and Shift+F10 open it, its Sound entry switches
// the cues off and on and is remembered, How to play (F1 too) and Statistics open beside it, and
// Quit closes the window.
#include "tests/ui/posted_input.h"
#include "tests/ui/window_fixture.h"
#include "ui/how_to_play.h"
#include "ui/qt_text.h"
#include "ui/sound_setting.h"
#include "ui/text_window.h"
#include "ui/window_menu.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

namespace ui::testing {
namespace {

struct WindowWithSound {
    QTemporaryDir home;
    SoundSetting sound{home.filePath(QStringLiteral("vantrello.conf"))};
    Log log;
    game::testing::ScriptedRandom random;
    game::testing::FixedClock clock;
    game::testing::RecordingCues recorded{log};
    SwitchedCues cues{recorded, sound};
    game::testing::RecordingPauser pauser{log};
    QtEventPump pump;
    Form1 window{{random, clock, cues, pump, pauser, "/opt/vantrello"}, &sound};

    QMenu& menu() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<QMenu*>(top);
                found && found->objectName() == "WindowMenu") {
                return *found;
            }
        }
        std::abort();
    }
    // Chooses the menu's entry of that design text; returns the window it opened, or nullptr.
    template <typename Window = TextWindow>
    Window* choose(std::string_view entry, const char* opens) {
        for (QAction* action : menu().actions()) {
            if (action->text() == inLanguage(entry)) {
                action->trigger();
            }
        }
        return window.findChild<Window*>(QString::fromLatin1(opens));
    }
};

// Opened by a key, the menu starts on its first entry; opened by the mouse, on none.
TEST(WindowMenu, OpensOnARightClickTheMenuKeyAndShiftF10) {
    const std::pair<std::function<void(QWidget&)>, bool> ways[] = {
        {[](QWidget& w) { postMouseClick(w, QPoint(150, 200), Qt::RightButton); }, false},
        // What Qt makes of the Menu key: a context-menu event, and nothing else.
        {[](QWidget& w) {
             QCoreApplication::postEvent(
                 &w, new QContextMenuEvent(QContextMenuEvent::Keyboard, QPoint(150, 200),
                                           w.mapToGlobal(QPoint(150, 200))));
         },
         true},
        {[](QWidget& w) { postKey(w, Qt::Key_F10, Qt::ShiftModifier); }, true},
    };
    for (const auto& [open, onFirstEntry] : ways) {
        SCOPED_TRACE(onFirstEntry);
        WindowWithSound w;
        w.window.show();
        settle();
        ASSERT_FALSE(w.menu().isVisible());
        open(w.window);
        settle();
        EXPECT_TRUE(w.menu().isVisible());
        EXPECT_EQ(w.menu().activeAction(),
                  onFirstEntry ? w.menu().actions().constFirst() : nullptr);
        w.menu().close();
    }
}

TEST(WindowMenu, F1AndItsEntryOpenHowToPlayOnceAndEscapeClosesIt) {
    WindowWithSound w;
    w.window.show();
    settle();
    postKey(w.window, Qt::Key_F1);
    settle();
    auto* help = w.choose(game::design::kMenuHowToPlay, "HowToPlay");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(w.window.findChildren<QWidget*>(QStringLiteral("HowToPlay")).size(), 1);
    EXPECT_TRUE(help->isVisible());
    QTextDocument told;
    told.setHtml(howToPlayText());
    EXPECT_EQ(help->text().toPlainText(), told.toPlainText());
    // The caret starts in the text, which passes Escape on to the window.
    EXPECT_EQ(help->focusWidget(), &help->text());
    QTest::keyClick(&help->text(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());

    // Ctrl+Q closes the game from a window the menu opened too.
    help->show();
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTest::keyClick(&help->text(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.window.isVisible());
}

TEST(WindowMenu, SoundOffStartsNoCueAndIsRememberedStatisticsOpenAndQuitCloses) {
    WindowWithSound w;
    w.window.show();
    QAction* sound = w.menu().actions().front();
    ASSERT_TRUE(sound->isCheckable());
    EXPECT_TRUE(sound->isChecked());
    sound->trigger();
    EXPECT_FALSE(SoundSetting(w.home.filePath(QStringLiteral("vantrello.conf"))).on());

    // Play, then a pick that wins (an ace against the dealer's two) and deals again.
    w.random.add({0.5f, 0.0f, 0.0f, 0.0f, 0.9f});
    for (const int rank : {2, 14, 2, 2, 2, 2, 2, 2, 2, 2}) {
        w.random.add({game::testing::rankDraw(rank), game::testing::suitDraw(1)});
    }
    QTest::mouseClick(w.window.findChild<QWidget*>(QStringLiteral("Command1")), Qt::LeftButton);
    QTest::mouseClick(w.window.findChild<QWidget*>(QStringLiteral("Short2")), Qt::LeftButton);
    for (const std::string& entry : w.log) {
        EXPECT_FALSE(entry.starts_with("cue")) << entry;
    }
    EXPECT_NE(std::find(w.log.begin(), w.log.end(), "pause 2500"), w.log.end())
        << "the pauses keep their lengths";

    // Statistics opens beside the window, with the charged Play counted.
    TextWindow* shown = w.choose(game::design::kMenuStatistics, "Statistics");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    const auto said = [](const TextWindow* window) { return window->text().toPlainText(); };
    // A line each, so that a screen reader reads them one by one.
    EXPECT_TRUE(said(shown).startsWith(inLanguage(game::design::kStatisticsLines[0]) +
                                       QStringLiteral(": 1\n")))
        << said(shown).toStdString();
    // Closed and asked for again after a collect, the same window shows the figures anew.
    const QString before = said(shown);
    shown->close();
    QTest::mouseClick(w.window.findChild<QWidget*>(QStringLiteral("Command2")), Qt::LeftButton);
    EXPECT_EQ(w.choose(game::design::kMenuStatistics, "Statistics"), shown);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_NE(said(shown), before);

    // About tells the Qt it runs on and the site.
    TextWindow* told = w.choose(game::design::kMenuAbout, "About");
    ASSERT_NE(told, nullptr);
    EXPECT_TRUE(said(told).contains(QString::fromLatin1(qVersion())));
    EXPECT_TRUE(said(told).contains(inLanguage(game::design::control("Label2").caption)));

    w.menu().actions().back()->trigger();
    EXPECT_FALSE(w.window.isVisible());
}

// The Sound entry shows the choice the file holds, and a window shown, with its menu opened and
// closed, writes nothing.
TEST(WindowMenu, SoundShowsTheSavedChoiceAndNothingIsWrittenWithoutAChange) {
    {
        WindowWithSound w;
        w.window.show();
        settle();
        w.menu().popup(QPoint(10, 10));
        w.menu().close();
        EXPECT_TRUE(QDir(w.home.path()).isEmpty()) << "written without a change";
    }
    WindowWithSound off;
    off.sound.set(false);
    const game::SessionFigures none;
    const WindowMenu menu(off.window, &off.sound, none);
    EXPECT_FALSE(menu.actions().front()->isChecked());
}

} // namespace
} // namespace ui::testing
