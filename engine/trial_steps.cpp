// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trial_steps.h"

#include <algorithm>

namespace vesquin {

RunTally AsRunTally(const StepTally& tally) {
    RunTally run;
    const auto count = [&tally](std::size_t i) {
        return i < tally.counts.size() ? tally.counts[i] : 0;
    };
    run.oneCount = count(0);
    run.twoCount = count(1);
    run.threeCount = count(2);
    run.intactTotal = static_cast<std::int32_t>(tally.intactTotal);
    return run;
}

ExperimentTally AsExperimentTally(const StepTally& tally) {
    return {tally.counts, tally.intactTotal};
}

StepRun::StepRun(std::int32_t trials, std::uint64_t seed, Experiment experiment)
    : m_trials(std::clamp(trials, std::int32_t{1}, kRunMaximumTrials)),
      m_seed(seed),
      m_experiment(experiment),
      m_source(seed),
      m_checkpointTrials(CheckpointTrials(m_trials)) {
    m_tally.counts.assign(static_cast<std::size_t>(m_experiment.mostBroken()), 0);
}

TrialStep StepRun::drawTrial() {
    TrialStep step;
    step.trial = m_tally.trials + 1;
    const auto lane = static_cast<std::size_t>(m_tally.trials) % UniformSource::kLanes;
    const std::int32_t shooters = m_experiment.shooters();
    step.choices.reserve(static_cast<std::size_t>(shooters));
    for (std::int32_t shooter = 0; shooter < shooters; ++shooter)
        step.choices.push_back(PlateFor(m_source.next(lane), m_experiment.plates()));
    std::vector<std::int32_t> picked = step.choices;
    std::sort(picked.begin(), picked.end());
    step.broken =
        static_cast<std::int32_t>(std::unique(picked.begin(), picked.end()) - picked.begin());
    step.intact = m_experiment.plates() - step.broken;
    return step;
}

std::vector<TrialStep> StepRun::Advance(std::int32_t count) {
    std::vector<TrialStep> steps;
    const std::int32_t left = m_trials - m_tally.trials;
    const std::int32_t taken = std::clamp(count, std::int32_t{0}, left);
    steps.reserve(static_cast<std::size_t>(taken));
    for (std::int32_t i = 0; i < taken; ++i) {
        TrialStep step = drawTrial();
        ++m_tally.trials;
        ++m_tally.counts[static_cast<std::size_t>(step.broken - 1)];
        m_tally.intactTotal += step.intact;
        const std::size_t reached = m_checkpoints.size();
        if (reached < m_checkpointTrials.size() && m_checkpointTrials[reached] == step.trial)
            m_checkpoints.push_back({step.trial, AsExperimentTally(m_tally)});
        m_recent.push_back(step);
        if (m_recent.size() > kKeptSteps) m_recent.pop_front();
        steps.push_back(std::move(step));
    }
    return steps;
}

ExperimentRecord StepRun::GeneralRecord() const {
    ExperimentRecord record;
    record.experiment = m_experiment;
    record.trials = m_tally.trials;
    record.seed = m_seed;
    record.tally = AsExperimentTally(m_tally);
    record.checkpoints = m_checkpoints;
    // A run stopped early still ends its chart where it stopped.
    if (record.trials > 0 &&
        (record.checkpoints.empty() || record.checkpoints.back().trials != record.trials))
        record.checkpoints.push_back({record.trials, record.tally});
    return record;
}

RunRecord StepRun::Record() const {
    const ExperimentRecord general = GeneralRecord();
    const auto classic = [](const ExperimentTally& tally, std::int32_t trials) {
        return AsRunTally(StepTally{trials, tally.brokenCounts, tally.intactTotal});
    };
    RunRecord record;
    record.trials = general.trials;
    record.seed = general.seed;
    record.tally = classic(general.tally, general.trials);
    record.checkpoints.reserve(general.checkpoints.size());
    for (const ExperimentTallyAt& at : general.checkpoints)
        record.checkpoints.push_back({at.trials, classic(at.tally, at.trials)});
    return record;
}

}  // namespace vesquin
