// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/fast_path.h"

#include "game/double_up.h"
#include "game/number_text.h"
#include "game/random.h"
#include "game/simulated_win.h"
#include "game/window_design.h"
#include "odds/stretch.h"

namespace odds {
namespace {

// game::SeededRandom's steps on a plain state: the same mixing of a clock reading, the same
// 24-bit numbers. A number is 24 random bits b read as b / 2^24, so floor(r * span + base), which
// the rules take in double precision, is exactly (b * span >> 24) + base here.
class Stream {
  public:
    explicit Stream(std::uint64_t state) : state_(state) {}

    void reseed(double clockSeconds) { state_ = game::reseeded(state_, clockSeconds); }
    int draw(game::Draw draw) {
        const std::uint64_t bits = game::nextBits(state_);
        return static_cast<int>((bits * static_cast<std::uint64_t>(draw.span)) >> 24) + draw.base;
    }
    // A number whose value nothing looks at: only the state moves on.
    void skip() { state_ += game::kSplitmixIncrement; }

  private:
    std::uint64_t state_;
};

// The credit the table starts with: the design's caption of the credit.
std::int64_t startingCredit() {
    return static_cast<std::int64_t>(
        game::parseNumber(game::design::control("LabelCredit").caption));
}

constexpr auto kCharge = static_cast<std::int64_t>(game::DoubleUp::kPlayCharge);
constexpr std::uint64_t kShowdownPauseMs = game::DoubleUp::kShowdownPauseMs;
constexpr std::uint64_t kNextDealPauseMs = game::DoubleUp::kNextDealPauseMs;

template <bool Traced> class Player {
  public:
    Player(const Strategy& strategy, std::uint64_t stream, Trace* trace)
        : strategy_(strategy), stream_(stream), trace_(trace) {}

    Tally run(std::uint64_t deals) {
        while (tally_.deals < deals) {
            playStretch(*this, strategy_, tally_);
        }
        return tally_;
    }

    // The table as playStretch sees it.
    std::int64_t win() const { return win_; }
    int dealer() const { return ranks_[0]; }

    // A press of "Play": charged on a win of 0; in a chain it counts a step and deals again for
    // the same win, otherwise it puts up a fresh simulated win.
    void play() {
        time_.ms += SimulatedTime::kThinkMs;
        if (win_ == 0) {
            credit_ -= kCharge;
        }
        if (eche_ == -1) {
            ++step_;
        } else {
            stream_.reseed(time_.seconds());
            const int win = game::drawWin(game::kWinDraws,
                                          [this](game::Draw draw) { return stream_.draw(draw); });
            win_ = win;
            ++tally_.winsPutUp[static_cast<std::size_t>(win)];
        }
        dealCards();
        record('P', 0);
    }

    // A pick of the next card; a won or tied one deals again by itself.
    void pick() {
        const int slot = nextSlot_;
        nextSlot_ = nextSlot_ == 5 ? 2 : nextSlot_ + 1;
        time_.ms += SimulatedTime::kThinkMs + kShowdownPauseMs;
        ++tally_.picks;
        const int dealer = ranks_[0];
        const int picked = ranks_[static_cast<std::size_t>(slot - 1)];
        if (picked > dealer) {
            win_ += win_;
            eche_ = -1;
        } else if (picked < dealer) {
            win_ = 0;
            step_ = 1;
            eche_ = 0;
            record('S', slot);
            return;
        } else {
            eche_ = -1;
        }
        // The chain's next deal: no charge on a standing win, one more step.
        time_.ms += kNextDealPauseMs;
        if (win_ == 0) {
            credit_ -= kCharge;
        }
        ++step_;
        dealCards();
        record('S', slot);
    }

    void collect() {
        time_.ms += SimulatedTime::kThinkMs;
        credit_ += win_;
        win_ = 0;
        eche_ = 0;
        record('C', 0);
    }

  private:
    void record(char press, int slot) {
        if constexpr (Traced) {
            trace_->push_back(Snapshot{press, slot, credit_, win_, step_, doubled_, eche_, ranks_});
        }
    }

    // The doubled amount on show, then the five cards: dealer first, then slots 2 to 5, each after
    // its own reseed. Only the dealer's rank and the rank in the slot the player will pick are
    // looked at.
    void dealCards() {
        const double now = time_.seconds();
        for (int slot = 1; slot <= 5; ++slot) {
            stream_.reseed(now);
            if (Traced || slot == 1 || slot == nextSlot_) {
                ranks_[static_cast<std::size_t>(slot - 1)] = stream_.draw(game::kRankDraw);
            } else {
                stream_.skip();
            }
            stream_.skip(); // the suit
        }
        doubled_ = win_ + win_;
        ++tally_.deals;
    }

    Strategy strategy_;
    Stream stream_;
    Trace* trace_;
    SimulatedTime time_;
    Tally tally_;
    std::int64_t credit_ = startingCredit();
    std::int64_t win_ = 0;
    std::int64_t step_ = 1;
    std::int64_t doubled_ = 0;
    int eche_ = 0;
    std::array<int, 5> ranks_{};
    int nextSlot_ = 2;
};

} // namespace

Tally simulateFast(const Strategy& strategy, std::uint64_t stream, std::uint64_t deals,
                   Trace* trace) {
    if (trace != nullptr) {
        return Player<true>(strategy, stream, trace).run(deals);
    }
    return Player<false>(strategy, stream, nullptr).run(deals);
}

} // namespace odds
