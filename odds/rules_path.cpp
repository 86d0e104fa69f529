// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/rules_path.h"

#include "game/double_up.h"
#include "game/memory_controls.h"
#include "game/number_text.h"
#include "game/random.h"
#include "odds/stretch.h"

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
            playStretch(*this, strategy_, tally_);
        }
        return tally_;
    }

    // What the player reads off the table.
    std::int64_t win() const { return whole(table_.LabelTotalWin.captionText); }
    int dealer() const { return static_cast<int>(whole(table_.NumCard[0].tagText)); }

    void play() {
        const bool chain = rules_.Eche == -1; // the press deals again for the same win
        clock_.time.ms += SimulatedTime::kThinkMs;
        rules_.Command1_Click();
        ++tally_.deals;
        if (!chain) {
            ++tally_.winsPutUp[static_cast<std::size_t>(win())];
        }
        record('P', 0);
    }

    // The next card in turn, 2 to 5 and round again.
    void pick() {
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
        if (rules_.Eche != 0) {
            ++tally_.deals; // the deal a won or tied pick made by itself
        }
        record('S', slot);
    }

    void collect() {
        clock_.time.ms += SimulatedTime::kThinkMs;
        rules_.Command2_Click();
        record('C', 0);
    }

  private:
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
