// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded player who clicks and types at random through the real window's event queue, many
// times during a pick's pauses, so that the input runs nested in the pick. After every quiet
// moment the table holds whole numbers, every deal shows twice the win as the doubled amount,
// the screen reader has been told every change, and nothing was written on stderr.
#include "game/random.h"
#include "tests/support/stderr_capture.h"
#include "tests/ui/accessibility_recorder.h"
#include "tests/ui/posted_input.h"
#include "tests/ui/window_fixture.h"
#include "ui/accessibility/card_slot.h"

#include <QRegularExpression>
#include <random>

namespace ui::testing {
namespace {

constexpr const char* kValueLabels[] = {"LabelCredit", "LabelTotalWin", "LabelStep", "LabelDouble",
                                        "LabelTotalBet"};

using test_support::StderrCapture;

// The real event pump, counting how deep it runs: input handled while it runs is nested in a
// pick, the one caller of the pump.
struct CountingPump : game::EventPump {
    QtEventPump inner;
    int depth = 0;
    void pumpEvents() override {
        ++depth;
        inner.pumpEvents();
        --depth;
    }
};

enum class PickBy { Click, Key };

// The window's own pause, cut to a millisecond: the player's input made meanwhile arrives while
// the pause runs the event loop, is held there, and runs at the pick's next pump.
struct ShortRealPause : game::Pauser {
    game::testing::RecordingPauser& recording; // logs the pause and lets the player act
    EventLoopPauser inner;
    explicit ShortRealPause(game::testing::RecordingPauser& r) : recording(r) {}
    void pause(std::uint32_t milliseconds) override {
        recording.pause(milliseconds);
        inner.pause(1);
    }
    void interrupt() override { inner.interrupt(); }
};

enum class Pauses { Recorded, RealAndShort };

// The random player. Every choice comes from one seeded generator, so a run repeats exactly.
class Player {
  public:
    Player(QWidget& window, std::uint32_t seed, PickBy pickBy)
        : window_(window), random_(seed), pickBy_(pickBy) {}

    // Clicks somewhere or presses a key, through the window system's queue.
    void act() {
        ++made;
        const int roll = uniform(100);
        if (roll < 34) {
            pick(2 + uniform(4));
        } else if (roll < 46) {
            click("Command1");
        } else if (roll < 52) {
            click("Command2");
        } else if (roll < 56) {
            // Anywhere in the window: the banner, the table, a label, a face-up card, a margin.
            postMouseClick(window_, QPoint(uniform(window_.width()), uniform(window_.height())));
        } else if (roll < 58) {
            click(uniform(2) == 0 ? "Short1" : "ImageDealer");
        } else if (roll < 70) {
            // The focused button: "Play" or "Забрать".
            const bool enter = uniform(2) == 0;
            postKey(window_, enter ? Qt::Key_Return : Qt::Key_Space, Qt::NoModifier,
                    enter ? QStringLiteral("\r") : QStringLiteral(" "));
        } else if (roll < 78) {
            postKey(window_, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        } else if (roll < 88) {
            // The keys the player may use either way, on the main keyboard or the keypad.
            const int card = 1 + uniform(4);
            postKey(window_, Qt::Key_0 + card,
                    uniform(3) == 0 ? Qt::KeypadModifier : Qt::NoModifier, QString::number(card));
        } else {
            strayKey();
        }
    }

    int made = 0;

  private:
    int uniform(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void click(const char* name) {
        postMouseClick(window_, *window_.findChild<QWidget*>(QString::fromLatin1(name)));
    }

    void pick(int slot) {
        if (pickBy_ == PickBy::Click) {
            click(game::design::slotName("Short", slot).c_str());
        } else {
            const int key = Qt::Key_0 + slot - 1;
            postKey(window_, key, Qt::NoModifier, QString::number(slot - 1));
        }
    }

    // Keys that do nothing in the game: they must change nothing either.
    void strayKey() {
        static const struct {
            int key;
            Qt::KeyboardModifiers modifiers;
            const char* text;
            bool autoRepeat;
        } strays[] = {{Qt::Key_5, Qt::NoModifier, "5", false},
                      {Qt::Key_A, Qt::NoModifier, "a", false},
                      {Qt::Key_Escape, Qt::NoModifier, "\x1b", false},
                      {Qt::Key_2, Qt::ControlModifier, "2", false},
                      {Qt::Key_3, Qt::NoModifier, "3", true}}; // a repeat
        const auto& k = strays[uniform(5)];
        postKey(window_, k.key, k.modifiers, QString::fromLatin1(k.text), k.autoRepeat);
    }

    QWidget& window_;
    std::mt19937 random_;
    PickBy pickBy_;
};

// The window on the real random generator, seeded, and a pause during which the player acts.
struct Session : QObject {
    game::testing::Log log;
    game::SeededRandom random;
    game::testing::FixedClock clock;
    game::testing::RecordingCues cues{log};
    game::testing::RecordingPauser pauser{log};
    ShortRealPause realPause{pauser};
    CountingPump pump;
    Pauses pauseKind;
    Form1 window{{random, clock, cues, pump,
                  pauseKind == Pauses::Recorded ? static_cast<game::Pauser&>(pauser) : realPause,
                  "/opt/vantrello"}};
    Player player;
    std::mt19937 pauses;
    int deals = 0;
    int nested = 0; // clicks and keys that ran inside a pick
    std::vector<std::string> problems;

    Session(std::uint64_t gameSeed, std::uint32_t playerSeed, PickBy pickBy,
            Pauses kind = Pauses::Recorded)
        : random(gameSeed), pauseKind(kind), player(window, playerSeed, pickBy),
          pauses(playerSeed + 1) {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        // The player acts during most pauses: the input waits for the pick's next pump.
        pauser.meanwhile = [this](std::uint32_t) {
            const int acts = std::uniform_int_distribution<int>(0, 3)(pauses);
            for (int i = 0; i < acts; ++i) {
                player.act();
            }
        };
        window.findChild<QWidget*>(QStringLiteral("Short1"))->installEventFilter(this);
        window.windowHandle()->installEventFilter(this);
    }

    QString text(const char* name) const {
        return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window.windowHandle() &&
            (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonRelease) &&
            pump.depth > 0) {
            ++nested;
        }
        // Every deal ends by turning the dealer's card face up, its values all written.
        if (event->type() == QEvent::HideToParent && watched != window.windowHandle()) {
            ++deals;
            if (text("LabelDouble").toDouble() != 2 * text("LabelTotalWin").toDouble()) {
                problems.push_back("deal " + std::to_string(deals) + ": doubled amount " +
                                   text("LabelDouble").toStdString() + " for a win of " +
                                   text("LabelTotalWin").toStdString());
            }
        }
        return false;
    }

    // What the table shows at a quiet moment.
    std::string table() const {
        std::string shown;
        for (const char* name : kValueLabels) {
            shown += text(name).toStdString() + ' ';
        }
        for (int slot = 1; slot <= 5; ++slot) {
            const auto* back = window.findChild<QWidget*>(
                QString::fromStdString(game::design::slotName("Short", slot)));
            shown += back->isHidden() ? 'u' : 'd';
        }
        return shown;
    }

    void checkQuiet(int step) {
        static const QRegularExpression whole(QStringLiteral("^-?[0-9]+$"));
        for (const char* name : kValueLabels) {
            if (!whole.match(text(name)).hasMatch()) {
                problems.push_back("after input " + std::to_string(step) + ", " + name + " holds " +
                                   text(name).toStdString());
            }
        }
    }
};

// Each card slot's last announced name is its name now: no change went unannounced.
void expectEveryTurnAnnounced(Session& s, const AccessibilityRecorder& recorder, int step) {
    for (accessibility::CardSlot* slot : s.window.findChildren<accessibility::CardSlot*>()) {
        const auto named = recorder.of(slot, QAccessible::NameChanged);
        if (!named.empty()) {
            EXPECT_EQ(named.back().name, slot->name()) << "after input " << step;
        }
        if (!slot->faceUp()) {
            EXPECT_TRUE(slot->name().endsWith(QStringLiteral("закрыта"))) << "after input " << step;
        }
    }
}

void playAThousand(Pauses pauses) {
    AccessibilityRecorder recorder;
    StderrCapture captured;
    Session s(0x5EED'0011ULL, 20260611u, PickBy::Click, pauses);
    int step = 0;
    while (s.player.made < 1200 && step < 5000) {
        s.player.act();
        settle();
        s.checkQuiet(++step);
        expectEveryTurnAnnounced(s, recorder, step);
    }
    const std::string written = captured.finish();

    EXPECT_TRUE(s.problems.empty())
        << s.problems.size()
        << " problems, the first: " << (s.problems.empty() ? "" : s.problems.front());
    EXPECT_EQ(written, "") << "nothing may be written on stderr";
    EXPECT_GE(s.player.made, 1000);
    EXPECT_GE(s.nested, 200) << "input that ran nested in a pick";
    EXPECT_GE(s.deals, 100);
}

TEST(RandomInput, AThousandClicksAndKeysManyNestedKeepTheTableWhole) {
    playAThousand(Pauses::Recorded);
}

TEST(RandomInput, AThousandClicksAndKeysThroughTheWindowsOwnPause) {
    playAThousand(Pauses::RealAndShort);
}

TEST(RandomInput, PickingByKeyPlaysExactlyAsPickingByClick) {
    // Two players with the same seed, one picking with the mouse and one with the digit keys:
    // every quiet table, every cue and pause, and every deal must be the same.
    StderrCapture captured;
    Session byClick(0xC1C4ULL, 777u, PickBy::Click);
    Session byKey(0xC1C4ULL, 777u, PickBy::Key);
    for (int step = 1; step <= 400; ++step) {
        byClick.player.act();
        settle();
        byKey.player.act();
        settle();
        ASSERT_EQ(byKey.table(), byClick.table()) << "after input " << step;
    }
    EXPECT_EQ(byKey.log, byClick.log);
    EXPECT_EQ(byKey.deals, byClick.deals);
    EXPECT_GE(byKey.nested, 50);
    EXPECT_EQ(captured.finish(), "");
}

} // namespace
} // namespace ui::testing
