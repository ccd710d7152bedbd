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
        const auto error = vesquin::ExperimentRun(
            [&] { return count; },
            [](std::string_view, const std::string& text) { benchmark::DoNotOptimize(text.data()); },
            source, vesquin::kSpanishSymbols);
        benchmark::DoNotOptimize(error);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExperimentRun)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
