// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "odds/simulation.h"

#include "game/random.h"
#include "odds/fast_path.h"
#include "odds/rules_path.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>

namespace odds {
namespace {

std::uint64_t splitmix(std::uint64_t z) {
    return game::splitmix(z + game::kSplitmixIncrement);
}

Estimate around(double value, double halfWidth) {
    return Estimate{value, value - halfWidth, value + halfWidth};
}

} // namespace

std::uint64_t streamFor(std::uint64_t seed, std::size_t strategy, unsigned chunk) {
    return splitmix(splitmix(splitmix(seed) ^ strategy) ^ chunk);
}

std::vector<Tally> simulate(const std::vector<Strategy>& strategies, Path path, std::uint64_t deals,
                            std::uint64_t seed, unsigned threads,
                            const std::function<void(double)>& progress) {
    const std::size_t tasks = strategies.size() * kChunks;
    std::vector<Tally> parts(tasks);
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t done = 0;

    const auto work = [&] {
        for (std::size_t task = next++; task < tasks; task = next++) {
            const std::size_t s = task / kChunks;
            const auto chunk = static_cast<unsigned>(task % kChunks);
            // The chunks share the rounds out evenly, the first ones taking the remainder.
            const std::uint64_t share = deals / kChunks + (chunk < deals % kChunks ? 1 : 0);
            const std::uint64_t stream = streamFor(seed, s, chunk);
            parts[task] = path == Path::Fast ? simulateFast(strategies[s], stream, share)
                                             : simulateRules(strategies[s], stream, share);
            const std::lock_guard lock(mutex);
            ++done;
            changed.notify_one();
        }
    };
    std::vector<std::jthread> pool;
    for (unsigned i = 0; i < std::max(threads, 1U); ++i) {
        pool.emplace_back(work);
    }
    {
        // Reported at least once at the end, also when the workers finish before this
        // thread first looks.
        std::unique_lock lock(mutex);
        for (;;) {
            if (progress) {
                progress(static_cast<double>(done) / static_cast<double>(tasks));
            }
            if (done >= tasks) {
                break;
            }
            changed.wait_for(lock, std::chrono::milliseconds(100));
        }
    }
    pool.clear();

    std::vector<Tally> out(strategies.size());
    for (std::size_t task = 0; task < tasks; ++task) {
        out[task / kChunks] += parts[task]; // in a fixed order, so sums are reproducible
    }
    return out;
}

bool Estimate::holds(double exact) const {
    return low <= exact && exact <= high;
}

SimulatedFigures estimate(const Tally& t) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double n = static_cast<double>(t.charges);
    const double mean = static_cast<double>(t.collected) / n;
    const double ey2 = t.sumY2 / n;
    const double ey3 = t.sumY3 / n;
    const double ey4 = t.sumY4 / n;
    const double variance = std::max(ey2 - mean * mean, 0.0);

    SimulatedFigures f;
    f.returnToPlayer = around(mean / 3, kZ999 * std::sqrt(variance / n) / 3);

    // The chance of a collect is a proportion; its interval turned upside down bounds the
    // charges per collect.
    const double p = static_cast<double>(t.collects) / n;
    const double pHalf = kZ999 * std::sqrt(p * (1 - p) / n);
    if (p == 0) {
        f.spreadPerCharge = around(0, 0);
        return f;
    }
    f.chargesPerCollect = Estimate{1 / p, 1 / (p + pHalf), p - pHalf > 0 ? 1 / (p - pHalf) : inf};

    // Plays per collect R = sum P / sum I: the delta method on P - R I.
    const double r = static_cast<double>(t.plays) / static_cast<double>(t.collects);
    const double ep2 = t.sumPlays2 / n;
    const double epi = t.sumPlaysCollected / n;
    const double dv = std::max(ep2 - 2 * r * epi + r * r * p, 0.0);
    f.playsPerCollect = around(r, kZ999 * std::sqrt(dv / n) / p);

    // The spread s: Var(s^2) is about (m4 - s^4) / n, and Var(s) about Var(s^2) / 4 s^2.
    const double s = std::sqrt(variance);
    const double m4 = ey4 - 4 * mean * ey3 + 6 * mean * mean * ey2 - 3 * mean * mean * mean * mean;
    const double sHalf =
        s > 0 ? kZ999 * std::sqrt(std::max(m4 - variance * variance, 0.0) / n) / (2 * s) : 0;
    f.spreadPerCharge = around(s, sHalf);
    return f;
}

} // namespace odds
