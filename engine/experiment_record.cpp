// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_record.h"

namespace vesquin {

std::variant<ExperimentRecord, RunError> PerformExperimentRun(
    const Experiment& experiment, std::string_view countText, UniformSource& source,
    const LocaleSymbols& symbols, std::int32_t maximum, std::optional<std::uint64_t> seed) {
    const CountReading reading = ReadTrialCount(countText, symbols, maximum);
    if (reading.error) return *reading.error;

    ExperimentRecord record;
    record.experiment = experiment;
    record.trials = reading.trials;
    if (seed) {
        source.reseed(*seed);
    } else {
        source.reseed();
    }
    record.seed = source.seed();
    const std::vector<std::int32_t> checkpoints = CheckpointTrials(record.trials);
    record.checkpoints.reserve(checkpoints.size());
    record.tally = TallyExperiment(experiment, record.trials, source, WidestVectorUnit(),
                                   checkpoints, record.checkpoints);
    return record;
}

}  // namespace vesquin
