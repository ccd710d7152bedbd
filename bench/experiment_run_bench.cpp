// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole run on the engine: read the count, reseed, perform the trials and
// compose the eleven texts, with the boxes written to nowhere.
#include <benchmark/benchmark.h>

#include <string>

#include "experiment_run.h"

namespace {

void BM_ExperimentRun(benchmark::State& state) {
    const std::string count = std::to_string(state.range(0));
    vesquin::UniformSource source(1);
    for (auto _ : state) {
        const auto error = vesquin::ExperimentRun([&] { return count; },
                                                  [](std::string_view, const std::string& text) {
                                                      benchmark::DoNotOptimize(text.data());
                                                  },
                                                  source, vesquin::kSpanishSymbols);
        benchmark::DoNotOptimize(error);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExperimentRun)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// The trial loop alone on each vector path the processor has, so that one
// machine shows what slower processors would get.
void BM_TallyTrials(benchmark::State& state, vesquin::VectorUnit unit) {
    vesquin::UniformSource source(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vesquin::TallyTrials(1000000, source, unit));
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}

const bool kRegistered = [] {
    for (const vesquin::VectorUnit unit : vesquin::SupportedVectorUnits()) {
        const char* name = unit == vesquin::VectorUnit::Avx512 ? "BM_TallyTrials/Avx512/1000000"
                           : unit == vesquin::VectorUnit::Avx2 ? "BM_TallyTrials/Avx2/1000000"
                           : unit == vesquin::VectorUnit::Sse2 ? "BM_TallyTrials/Sse2/1000000"
                                                               : "BM_TallyTrials/Portable/1000000";
        benchmark::RegisterBenchmark(name, BM_TallyTrials, unit)->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
