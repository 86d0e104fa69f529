// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/rules_path.h"

#include "game/double_up.h"
#include "game/memory_controls.h"
#include "game/number_text.h"
#include "game/random.h"

namespace odds {
namespace {

struct PacedClock : game::Clock {
    SimulatedTime time;
    double secondsSinceMidnight() const override { return time.seconds(); }
};

// The rules' pauses pass on the simulated clock; sounds and pending events do nothing here.
struct Quiet : game::CuePlayer, game::EventPump, game::Pauser {
    PacedClock* clock = nullptr;
    void play(const std::string&) override {}
    void pumpEvents() override {}
    void pause(std::uint32_t milliseconds) override { clock->time.ms += milliseconds; }
};

std::int64_t whole(const std::string& text) {
    return static_cast<std::int64_t>(game::parseNumber(text));
}

class Player {
  public:
    Player(const Strategy& strategy, std::uint64_t stream, Trace* trace)
        : strategy_(strategy), random_(stream), trace_(trace),
          rules_(table_.controls(), game::Platform{random_, clock_, quiet_, quiet_, quiet_, ""}) {
        quiet_.clock = &clock_;
        rules_.Form_Load();
    }

    Tally run(std::uint64_t deals) {
        while (tally_.deals < deals) {
            stretch();
        }
        return tally_;
    }

  private:
    std::int64_t win() const { return whole(table_.LabelTotalWin.captionText); }

    void record(char press, int slot) {
        if (trace_ == nullptr) {
            return;
        }
        Snapshot s{press,
                   slot,
                   whole(table_.LabelCredit.captionText),
                   win(),
                   whole(table_.LabelStep.captionText),
                   whole(table_.LabelDouble.captionText),
                   rules_.Eche,
                   {}};
        for (std::size_t i = 0; i < 5; ++i) {
            s.ranks[i] = static_cast<int>(whole(table_.NumCard[i].tagText));
        }
        trace_->push_back(s);
    }

    void play() {
        clock_.time.ms += SimulatedTime::kThinkMs;
        rules_.Command1_Click();
        ++tally_.deals;
        ++tally_.winsPutUp[static_cast<std::size_t>(win())];
        record('P', 0);
    }

    // One stretch: the charged play, free replays, the doubling, and the collect or the loss.
    void stretch() {
        std::uint64_t plays = 1;
        play();
        while (win() != 0 && win() < strategy_.replayBelow) {
            ++plays;
            play();
        }
        if (win() == 0) {
            tally_.addStretch(0, plays);
            return;
        }
        int doubled = 0;
        while (doubled < strategy_.doubles) {
            const std::int64_t before = win();
            const int slot = nextSlot_;
            nextSlot_ = nextSlot_ == 5 ? 2 : nextSlot_ + 1;
            clock_.time.ms += SimulatedTime::kThinkMs;
            switch (slot) {
            case 2:
                rules_.Short2_Click();
                break;
            case 3:
                rules_.Short3_Click();
                break;
            case 4:
                rules_.Short4_Click();
                break;
            default:
                rules_.Short5_Click();
                break;
            }
            ++tally_.picks;
            record('S', slot);
            if (rules_.Eche == 0) { // lost: the win is gone, no deal followed
                tally_.addStretch(0, plays);
                return;
            }
            ++tally_.deals; // the deal the pick made by itself
            if (win() != before) {
                ++doubled;
            }
        }
        const std::int64_t collected = win();
        clock_.time.ms += SimulatedTime::kThinkMs;
        rules_.Command2_Click();
        record('C', 0);
        tally_.addStretch(collected, plays);
    }

    Strategy strategy_;
    game::MemoryTable table_;
    game::SeededRandom random_;
    PacedClock clock_;
    Quiet quiet_;
    Trace* trace_;
    game::DoubleUp rules_;
    Tally tally_;
    int nextSlot_ = 2;
};

} // namespace

Tally simulateRules(const Strategy& strategy, std::uint64_t stream, std::uint64_t deals,
                    Trace* trace) {
    Player player(strategy, stream, trace);
    return player.run(deals);
}

} // namespace odds
