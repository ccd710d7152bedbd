// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_history.h"

#include <utility>

namespace vesquin {

ExperimentRecord ClassicRecord(const RunRecord& run) {
    ExperimentRecord record;
    record.experiment = Experiment::Classic();
    record.trials = run.trials;
    record.seed = run.seed;
    record.tally = GeneralTally(run.tally);
    record.checkpoints.reserve(run.checkpoints.size());
    for (const TallyAt& at : run.checkpoints)
        record.checkpoints.push_back(ExperimentTallyAt{at.trials, GeneralTally(at.tally)});
    return record;
}

const ExperimentEntry& ExperimentHistory::add(ExperimentRecord record, std::string time,
                                              std::optional<Prediction> prediction) {
    m_entries.push_back(
        ExperimentEntry{++m_lastNumber, std::move(time), std::move(record), prediction});
    return m_entries.back();
}

}  // namespace vesquin
