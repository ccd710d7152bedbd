// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The same experiment written the straightforward way, kept here only as the
// yardstick that every benchmark run compares the engine with.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>

namespace {

struct NaiveTally {
    std::int32_t one = 0, two = 0, three = 0, intact = 0;
};

NaiveTally naiveRun(std::int32_t trials, std::mt19937& generator) {
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    NaiveTally tally;
    for (std::int32_t trial = 1; trial <= trials; ++trial) {
        const int c1 = static_cast<int>(std::floor(6 * uniform(generator) + 1));
        const int c2 = static_cast<int>(std::floor(6 * uniform(generator) + 1));
        const int c3 = static_cast<int>(std::floor(6 * uniform(generator) + 1));
        if (c1 == c2 && c1 == c3) {
            ++tally.one;
            tally.intact += 5;
        } else if (c1 == c2 || c1 == c3 || c2 == c3) {
            ++tally.two;
            tally.intact += 4;
        } else {
            ++tally.three;
            tally.intact += 3;
        }
    }
    return tally;
}

void BM_NaiveReference(benchmark::State& state) {
    std::mt19937 generator(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(naiveRun(static_cast<std::int32_t>(state.range(0)), generator));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_NaiveReference)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
