// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole rounds (deal, pick, outcome) on the in-memory table with no-op services:
// the speed a headless odds simulator can expect from the rules.
#include "game/double_up.h"
#include "game/memory_controls.h"
#include "game/random.h"

#include <benchmark/benchmark.h>

namespace {

struct Silent : game::CuePlayer, game::EventPump, game::Pauser {
    void play(const std::string&) override {}
    void pumpEvents() override {}
    void pause(std::uint32_t) override {}
};

struct TickingClock : game::Clock {
    mutable double seconds = 0;
    double secondsSinceMidnight() const override { return seconds += 0.001; }
};

void BM_Round(benchmark::State& state) {
    game::MemoryTable table;
    game::SeededRandom random;
    TickingClock clock;
    Silent silent;
    game::DoubleUp rules(table.controls(),
                         {random, clock, silent, silent, silent, "/opt/vantrello"});
    rules.Form_Load();
    int slot = 2;
    for (auto _ : state) {
        rules.Command1_Click();
        switch (slot) { // a won or tied pick deals the next round itself
        case 2:
            rules.Short2_Click();
            break;
        case 3:
            rules.Short3_Click();
            break;
        case 4:
            rules.Short4_Click();
            break;
        default:
            rules.Short5_Click();
            break;
        }
        slot = slot == 5 ? 2 : slot + 1;
        if (rules.Eche != 0) {
            rules.Command2_Click(); // bank it, so the win never overflows
        }
        benchmark::DoNotOptimize(table.LabelCredit.captionText.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Round);

} // namespace
