// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The trial loop of any experiment on each vector unit the processor has. Every
// iteration performs 10^6 trials and is timed in milliseconds, so the time shown
// is also the nanoseconds a trial takes. For 3 x 6 the window's kernel, the
// general entry point (which takes it) and the bit-set kernel stand side by side.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "experiment_tally.h"

namespace {

constexpr std::int32_t kTrials = 1'000'000;

const char* unitName(vesquin::VectorUnit unit) {
    switch (unit) {
        case vesquin::VectorUnit::Avx512:
            return "Avx512";
        case vesquin::VectorUnit::Avx2:
            return "Avx2";
        case vesquin::VectorUnit::Sse2:
            return "Sse2";
        case vesquin::VectorUnit::Portable:
            break;
    }
    return "Portable";
}

vesquin::Experiment experimentOf(std::int32_t shooters, std::int32_t plates) {
    return std::get<vesquin::Experiment>(vesquin::Experiment::Make(shooters, plates));
}

void BM_ClassicWindowKernel(benchmark::State& state, vesquin::VectorUnit unit) {
    vesquin::UniformSource source(1);
    for (auto _ : state) benchmark::DoNotOptimize(vesquin::TallyTrials(kTrials, source, unit));
}

void BM_ClassicExperiment(benchmark::State& state, vesquin::VectorUnit unit) {
    vesquin::UniformSource source(1);
    const vesquin::Experiment classic = vesquin::Experiment::Classic();
    for (auto _ : state) {
        benchmark::DoNotOptimize(vesquin::TallyExperiment(classic, kTrials, source, unit));
    }
}

// The bit-set kernel for any experiment; with 3 x 6 it shows what the general path
// would cost the window's runs.
void BM_BitSet(benchmark::State& state, vesquin::VectorUnit unit) {
    vesquin::UniformSource source(1);
    const vesquin::Experiment experiment = experimentOf(static_cast<std::int32_t>(state.range(0)),
                                                        static_cast<std::int32_t>(state.range(1)));
    std::vector<vesquin::ExperimentTallyAt> none;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            vesquin::TallyExperimentBitSet(experiment, kTrials, source, unit, {}, none));
    }
}

const bool kRegistered = [] {
    for (const vesquin::VectorUnit unit : vesquin::SupportedVectorUnits()) {
        const std::string name = unitName(unit);
        benchmark::RegisterBenchmark(("BM_ClassicWindowKernel/" + name).c_str(),
                                     BM_ClassicWindowKernel, unit)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_ClassicExperiment/" + name).c_str(), BM_ClassicExperiment,
                                     unit)
            ->Unit(benchmark::kMillisecond);
        auto* bitSet = benchmark::RegisterBenchmark(("BM_BitSet/" + name).c_str(), BM_BitSet, unit)
                           ->Unit(benchmark::kMillisecond)
                           ->ArgNames({"k", "n"})
                           ->Args({3, 6});
        for (std::int64_t shooters = 3; shooters <= vesquin::kMostShooters; ++shooters) {
            bitSet->Args({shooters, 20});
        }
    }
    return true;
}();

}  // namespace
