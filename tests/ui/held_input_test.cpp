// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pause of the window: everything but input runs during it, input waits and is handed over
// in order at the next pass of the event pump, and a close ends it at once.
#include "tests/ui/posted_input.h"
#include "tests/ui/window_fixture.h"
#include "ui/held_input.h"
#include "ui/qt_services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <chrono>
#include <functional>
#include <utility>

namespace ui::testing {
namespace {

// A window with a button, a shortcut and a count of its paints, all logged.
class Target : public QWidget {
  public:
    explicit Target(Log& log) : log_(log) {
        auto* layout = new QVBoxLayout(this);
        button = new QPushButton(QStringLiteral("button"), this);
        other = new QPushButton(QStringLiteral("other"), this);
        layout->addWidget(button);
        layout->addWidget(other);
        QObject::connect(button, &QPushButton::clicked, [this] { log_.push_back("button"); });
        QObject::connect(other, &QPushButton::clicked, [this] { log_.push_back("other"); });
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_K), this);
        QObject::connect(shortcut, &QShortcut::activated, [this] { log_.push_back("shortcut"); });
        resize(200, 120);
        show();
        activateWindow();
        button->setFocus();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
    QPushButton* button = nullptr;
    QPushButton* other = nullptr;
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent*) override { ++paints; }

  private:
    Log& log_;
};

void postPress(QObject* receiver, QPointF at, QPointF global) {
    // Each click a second after the last, so that no two make a double click.
    static ulong timestamp = 0;
    timestamp += 1000;
    auto* press = new QMouseEvent(QEvent::MouseButtonPress, at, at, global, Qt::LeftButton,
                                  Qt::LeftButton, Qt::NoModifier);
    press->setTimestamp(timestamp);
    auto* release = new QMouseEvent(QEvent::MouseButtonRelease, at, at, global, Qt::LeftButton,
                                    Qt::NoButton, Qt::NoModifier);
    release->setTimestamp(timestamp + 10);
    QCoreApplication::postEvent(receiver, press);
    QCoreApplication::postEvent(receiver, release);
}

// Clicks the window's native window at the centre of a widget, as the window system does.
void postClickToWindow(Target& t, QWidget* widget) {
    const QPointF at = widget->mapTo(&t, QRectF(widget->rect()).center());
    postPress(t.windowHandle(), at, t.mapToGlobal(at));
}

// A key typed while the window has the focus, as the window system delivers it.
void postKeyToWindow(Target& t, int key, const QString& text) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QCoreApplication::postEvent(t.windowHandle(),
                                    new QKeyEvent(type, key, Qt::NoModifier, text));
    }
}

struct InputCase {
    const char* name;
    std::function<void(Target&)> make;
    Log expected; // after the pump
};

class InputDuringAPause : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputDuringAPause, WaitsForTheNextPumpAndThenRuns) {
    Log log;
    Target t(log);
    EventLoopPauser pauser;
    QtEventPump pump;
    bool taken = false; // a call queued behind the input has run: the pause took the input in
    QTimer::singleShot(0, &t, [&] {
        GetParam().make(t);
        QMetaObject::invokeMethod(
            &t, [&] { taken = true; }, Qt::QueuedConnection);
    });
    pauser.pause(30);
    EXPECT_TRUE(taken);
    EXPECT_TRUE(log.empty()) << "ran during the pause: " << log.front();
    pump.pumpEvents();
    EXPECT_EQ(log, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfInput, InputDuringAPause,
    ::testing::Values(InputCase{"ClickPostedToTheNativeWindow",
                                [](Target& t) { postClickToWindow(t, t.button); },
                                {"button"}},
                      InputCase{"ClickPostedToTheWidget",
                                [](Target& t) {
                                    const QPointF at = QRectF(t.button->rect()).center();
                                    postPress(t.button, at, t.button->mapToGlobal(at));
                                },
                                {"button"}},
                      InputCase{"ClickSentToTheWidget",
                                [](Target& t) { QTest::mouseClick(t.button, Qt::LeftButton); },
                                {"button"}},
                      InputCase{"SpaceOnTheFocusedButton",
                                [](Target& t) { QTest::keyClick(t.button, Qt::Key_Space); },
                                {"button"}},
                      InputCase{"KeyboardShortcut",
                                [](Target& t) { QTest::keyClick(&t, Qt::Key_K); },
                                {"shortcut"}},
                      InputCase{"ClicksAndKeysInTheirOrder",
                                [](Target& t) {
                                    postClickToWindow(t, t.other);
                                    postKeyToWindow(t, Qt::Key_K, QStringLiteral("k"));
                                    postClickToWindow(t, t.button);
                                    postClickToWindow(t, t.other);
                                },
                                {"other", "shortcut", "button", "other"}}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

TEST(HeldInput, EverythingElseRunsDuringAPause) {
    Log log;
    Target t(log);
    EventLoopPauser pauser;
    const int paintsBefore = t.paints;
    bool timerRan = false;
    QTimer::singleShot(0, &t, [&] {
        timerRan = true;
        t.update();
    });
    pauser.pause(50);
    EXPECT_TRUE(timerRan);
    EXPECT_GT(t.paints, paintsBefore) << "the window repaints during a pause";
}

TEST(HeldInput, WaitingInputRunsWhenTheHandlerReturnsAndBeforeNewerInput) {
    Log log;
    Target t(log);
    EventLoopPauser pauser;
    QTimer::singleShot(0, &t, [&] { postClickToWindow(t, t.button); });
    pauser.pause(20);
    // Newer input, made after the pause, while the handler that paused still runs.
    postClickToWindow(t, t.other);
    EXPECT_TRUE(log.empty());
    // Back in the event loop, without another pump.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(log, (Log{"button", "other"}));
}

TEST(HeldInput, NothingIsHeldOutsideAPause) {
    Log log;
    Target t(log);
    QTest::mouseClick(t.button, Qt::LeftButton);
    QTest::keyClick(&t, Qt::Key_K);
    EXPECT_EQ(log, (Log{"button", "shortcut"}));
    EXPECT_FALSE(HeldInput::instance().holding());
}

TEST(HeldInput, DiscardForgetsWhatWaits) {
    Log log;
    Target t(log);
    EventLoopPauser pauser;
    QTimer::singleShot(0, &t, [&] { QTest::mouseClick(t.button, Qt::LeftButton); });
    pauser.pause(20);
    HeldInput::instance().discard();
    QtEventPump().pumpEvents();
    EXPECT_TRUE(log.empty());
}

TEST(EventLoopPauser, InterruptEndsThePauseAtOnce) {
    EventLoopPauser pauser;
    QObject context;
    QTimer::singleShot(0, &context, [&] { pauser.interrupt(); });
    QElapsedTimer timer;
    timer.start();
    pauser.pause(60000);
    EXPECT_LT(timer.elapsed(), 5000);
}

// The one real-time check of a pause's length: never shorter, and not much longer.
TEST(EventLoopPauser, LastsItsLength) {
    EventLoopPauser pauser;
    const auto start = std::chrono::steady_clock::now();
    pauser.pause(300);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(300));
    EXPECT_LT(took, std::chrono::milliseconds(400));
}

// A pause that records itself and lets events run but takes no time, holding input as the real
// pause does, so that the window tests can act during it. An interrupt that ends it is logged.
struct InstantPause : game::testing::RecordingPauser {
    using RecordingPauser::RecordingPauser;
    bool pausing = false;
    void pause(std::uint32_t ms) override {
        const HeldInput::Pause holding(HeldInput::instance());
        RecordingPauser::pause(ms);
        pausing = true;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        pausing = false;
    }
    void interrupt() override {
        if (pausing) {
            log.push_back("interrupted");
        }
    }
};
using PausingWindow = ScriptedWindowWith<InstantPause>;

const std::string kClick = "cue /opt/vantrello/click.wav";
const std::string kWin = "cue /opt/vantrello/win.wav";

TEST(Form1Pause, AClickDuringTheShowdownPauseRunsAfterThePick) {
    PausingWindow w;
    w.dealt(20, {9, 3, 10, 4, 5});
    // During the showdown pause of a lost pick the player presses "Забрать", and a program
    // presses "Play": neither runs before the pick's showdown.
    w.pauser.meanwhile = [&](std::uint32_t ms) {
        if (ms == 300) {
            w.click("Command2");
            w.scriptDeal(0, {2, 2, 2, 2, 2});
            w.find<QPushButton>("Command1")->click();
        }
    };
    w.click("Short2");
    EXPECT_EQ(w.log, (Log{kClick, "pause 300"})) << "a 3 against a 9 loses: no deal, no pause";
    EXPECT_EQ(w.text("LabelTotalWin"), "0") << "lost before the banking ran";
    EXPECT_EQ(w.text("LabelCredit"), "97");
    // Back in the event loop the two clicks run, in the order they were made.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.text("LabelCredit"), "94") << "banked 0, then charged for the new play";
    EXPECT_EQ(w.text("NumCard1"), "2");
}

TEST(Form1Pause, AClickDuringTheNextDealPauseRunsNestedAtThePump) {
    PausingWindow w;
    w.dealt(20, {3, 9, 9, 9, 9});
    // During the showdown pause of a won pick the player presses "Забрать": it waits for the
    // pump before the next-deal pause, and ends the chain there.
    w.pauser.meanwhile = [&](std::uint32_t ms) {
        if (ms == 300) {
            w.click("Command2");
        }
    };
    w.scriptDeal(0, {2, 2, 2, 2, 2});
    w.click("Short2");
    EXPECT_EQ(w.log, (Log{kClick, "pause 300", kWin, "pause 2500"}));
    // Won 40, banked at the pump (137), then the pick deals as on an idle table (134).
    EXPECT_EQ(w.text("LabelCredit"), "134");
    EXPECT_EQ(w.text("LabelStep"), "1");
}

// The menu and How to play, asked for during a pick's next-deal pause, open only once the pick
// has dealt again; the next pick leaves How to play open and goes through both its pauses.
TEST(Form1Pause, TheMenuAndHowToPlayAskedForInAPauseOpenAfterThePickWhichLeavesThemOpen) {
    PausingWindow w;
    w.dealt(20, {3, 9, 9, 9, 9});
    w.pauser.meanwhile = [&](std::uint32_t ms) {
        if (ms == 2500) {
            postKey(w.window, Qt::Key_F1);
            postMouseClick(w.window, QPoint(150, 200), Qt::RightButton);
        }
    };
    w.scriptCards({3, 9, 9, 9, 9});
    w.click("Short2");
    const auto* help = w.window.findChild<QWidget*>(QStringLiteral("HowToPlay"));
    EXPECT_TRUE(help == nullptr || !help->isVisible()) << "opened during the pause";
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the menu opened during the pause";
    EXPECT_EQ(w.text("LabelStep"), "2");
    settle();
    help = w.window.findChild<QWidget*>(QStringLiteral("HowToPlay"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "the right click opened no menu";
    menu->close();

    w.pauser.meanwhile = nullptr;
    w.log.clear();
    w.scriptCards({2, 2, 2, 2, 2});
    w.click("Short3");
    EXPECT_EQ(w.log, (Log{kClick, "pause 300", kWin, "pause 2500"}));
    EXPECT_TRUE(help->isVisible());
}

// A close by the window's close button or by Ctrl+Q is never held back like other input: it ends
// the running pause at once, no later pause runs, the pick still finishes its steps, and input
// held for the closed window is dropped.
TEST(Form1Pause, ACloseDuringAPauseEndsItAndThePickFinishesWithoutAnother) {
    const std::pair<const char*, std::function<void(QWidget&)>> closes[] = {
        {"close button",
         [](QWidget& window) {
             QWindowSystemInterface::handleCloseEvent<Delivery>(window.windowHandle());
         }},
        {"Ctrl+Q",
         [](QWidget& window) {
             postKey(window, Qt::Key_Q, Qt::ControlModifier, QStringLiteral("\x11"));
         }},
    };
    // A plain variable, not a structured binding: clang 14 does not let a lambda capture one.
    for (const auto& way : closes) {
        SCOPED_TRACE(way.first);
        const std::function<void(QWidget&)>& close = way.second;
        PausingWindow w;
        // Keys reach an active window, as they do on a desktop.
        w.window.show();
        w.window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
        w.dealt(20, {3, 9, 9, 9, 9});
        w.pauser.meanwhile = [&](std::uint32_t ms) {
            if (ms == game::DoubleUp::kShowdownPauseMs) {
                postMouseClick(w.window, *w.find("Command2"));
                close(w.window);
            }
        };
        w.scriptCards({2, 2, 2, 2, 2});
        w.click("Short2");
        settle();
        EXPECT_FALSE(w.window.isVisible());
        const std::string showdown = "pause " + std::to_string(game::DoubleUp::kShowdownPauseMs);
        EXPECT_EQ(w.log, (Log{kClick, showdown, "interrupted", kWin}));
        EXPECT_EQ(w.text("LabelStep"), "2") << "the pick still deals the next round";
        EXPECT_EQ(w.text("LabelCredit"), "97") << "the click held for the closed window ran";
    }
}

} // namespace
} // namespace ui::testing
