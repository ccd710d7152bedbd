// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One performed run of any experiment: what the teaching faces draw and the command
// line prints for it. The count is read with the window's rules and messages; 3
// shooters and 6 plates give the tallies and checkpoints of PerformRun for the same
// count and seed.

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "experiment.h"
#include "experiment_run.h"
#include "experiment_tally.h"
#include "number_text.h"
#include "uniform_source.h"

namespace vesquin {

struct ExperimentRecord {
    Experiment experiment = Experiment::Classic();
    std::int32_t trials = 0;
    std::uint64_t seed = 0;
    ExperimentTally tally;
    std::vector<ExperimentTallyAt>
        checkpoints;  // at CheckpointTrials(trials); the last is the whole run

    friend bool operator==(const ExperimentRecord&, const ExperimentRecord&) = default;
};

// Reads the count (ReadTrialCount), reseeds `source` (from `seed` when given, else
// from the clock) and performs the trials on the widest vector unit.
std::variant<ExperimentRecord, RunError> PerformExperimentRun(
    const Experiment& experiment, std::string_view countText, UniformSource& source,
    const LocaleSymbols& symbols, std::int32_t maximum,
    std::optional<std::uint64_t> seed = std::nullopt);

}  // namespace vesquin
