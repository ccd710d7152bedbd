// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A run performed one trial at a time, for a pupil to watch: the very draws a
// whole run takes from the same seed, handed out as plain steps. Trial t draws
// from lane t mod kLanes, shooter after shooter, exactly as TallyTrials does, so
// 50 trials stepped one, ten or a hundred at a time end on the tallies of the
// run of 50 trials with that seed.

#include <cstdint>
#include <deque>
#include <vector>

#include "experiment.h"
#include "experiment_record.h"
#include "experiment_run.h"
#include "experiment_tally.h"
#include "trial_tally.h"
#include "uniform_source.h"

namespace vesquin {

// One trial as the pupil sees it. With 3 shooters and 6 plates, choices 4, 4, 1
// give 2 broken and 4 intact.
struct TrialStep {
    std::int32_t trial = 0;             // from 1
    std::vector<std::int32_t> choices;  // the plate each shooter picked, shooter by shooter
    std::int32_t broken = 0;            // distinct plates picked
    std::int32_t intact = 0;            // plates - broken

    friend bool operator==(const TrialStep&, const TrialStep&) = default;
};

// The tally so far: counts[b - 1] trials broke b plates, b from 1 to mostBroken().
struct StepTally {
    std::int32_t trials = 0;
    std::vector<std::int32_t> counts;
    std::int64_t intactTotal = 0;

    friend bool operator==(const StepTally&, const StepTally&) = default;
};

// The tally of three shooters as a whole run writes it; `tally` has three counts.
RunTally AsRunTally(const StepTally& tally);
// The tally as TallyExperiment writes it.
ExperimentTally AsExperimentTally(const StepTally& tally);

class StepRun {
  public:
    // How many of the last trials the run keeps for the list beside the drawing.
    static constexpr std::size_t kKeptSteps = 20;

    // `trials` from 1 to kRunMaximumTrials; a count outside is brought within.
    StepRun(std::int32_t trials, std::uint64_t seed, Experiment experiment = Experiment::Classic());

    // The next `count` trials in order, fewer at the end of the run, none after it.
    std::vector<TrialStep> Advance(std::int32_t count);

    std::int32_t trials() const { return m_trials; }
    std::int32_t done() const { return m_tally.trials; }
    bool finished() const { return m_tally.trials >= m_trials; }
    std::uint64_t seed() const { return m_seed; }
    const Experiment& experiment() const { return m_experiment; }
    const StepTally& tally() const { return m_tally; }
    // The last kKeptSteps trials, oldest first.
    const std::deque<TrialStep>& recent() const { return m_recent; }

    // The run as a whole run of its experiment records it, with the running
    // tallies at CheckpointTrials(trials()) that have been reached and, for a run
    // stopped early, the tally where it stopped.
    ExperimentRecord GeneralRecord() const;
    // The same in the window's shape. Three shooters and six plates only.
    RunRecord Record() const;

  private:
    TrialStep drawTrial();

    std::int32_t m_trials;
    std::uint64_t m_seed;
    Experiment m_experiment;
    UniformSource m_source;
    StepTally m_tally;
    std::deque<TrialStep> m_recent;
    std::vector<std::int32_t> m_checkpointTrials;
    std::vector<ExperimentTallyAt> m_checkpoints;
};

}  // namespace vesquin
