// A whole run on the engine: read the count, reseed, perform the trials and
// compose the eleven texts, with the boxes written to nowhere.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

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

// The same loop recording the running tallies at a run's checkpoints, as every
// run does for the teaching view: the difference is what recording costs.
void BM_TallyTrialsRecorded(benchmark::State& state, vesquin::VectorUnit unit) {
    vesquin::UniformSource source(1);
    const std::vector<std::int32_t> checkpoints = vesquin::CheckpointTrials(1000000);
    std::vector<vesquin::TallyAt> recorded;
    recorded.reserve(checkpoints.size());
    for (auto _ : state) {
        recorded.clear();
        benchmark::DoNotOptimize(
            vesquin::TallyTrials(1000000, source, unit, checkpoints, recorded));
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}

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

const bool kRegistered = [] {
    for (const vesquin::VectorUnit unit : vesquin::SupportedVectorUnits()) {
        const std::string name = unitName(unit);
        benchmark::RegisterBenchmark(("BM_TallyTrials/" + name + "/1000000").c_str(),
                                     BM_TallyTrials, unit)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_TallyTrialsRecorded/" + name + "/1000000").c_str(),
                                     BM_TallyTrialsRecorded, unit)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
