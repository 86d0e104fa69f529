// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Rounds (deals) per second on one core: the fast path, which should reach ten million or more,
// and the same play through the game's own rules on the in-memory table.
#include "odds/fast_path.h"
#include "odds/rules_path.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::uint64_t kRounds = 100'000;

const odds::Strategy kStrategies[] = {{0, 0}, {0, 3}, {5, 0}};

template <odds::Tally (*Simulate)(const odds::Strategy&, std::uint64_t, std::uint64_t,
                                  odds::Trace*)>
void rounds(benchmark::State& state) {
    const odds::Strategy strategy = kStrategies[state.range(0)];
    std::uint64_t stream = 1;
    std::uint64_t deals = 0;
    for (auto _ : state) {
        const odds::Tally t = Simulate(strategy, ++stream, kRounds, nullptr);
        deals += t.deals;
        benchmark::DoNotOptimize(t.collected);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(deals));
    state.SetLabel(odds::name(strategy));
}

BENCHMARK(rounds<odds::simulateFast>)
    ->Name("FastPath")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(rounds<odds::simulateRules>)
    ->Name("GameRules")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);

} // namespace
