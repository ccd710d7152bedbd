// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The trials of any experiment: each of the k shooters draws a plate, in turn, from
// the trial's lane, and the trial counts the different plates hit. With 3 shooters
// and 6 plates the draws and the tallies are exactly those of TallyTrials, so a seed
// repeats the window's run.

#include <cstdint>
#include <span>
#include <vector>

#include "experiment.h"
#include "trial_tally.h"
#include "uniform_source.h"

namespace vesquin {

struct ExperimentTally {
    // brokenCounts[j - 1]: trials that broke j plates, for j = 1 .. mostBroken().
    std::vector<std::int32_t> brokenCounts;
    // Plates left intact, summed over all trials: 10^6 trials of 20 plates fit.
    std::int64_t intactTotal = 0;

    friend bool operator==(const ExperimentTally&, const ExperimentTally&) = default;
};

struct ExperimentTallyAt {
    std::int32_t trials = 0;
    ExperimentTally tally;

    friend bool operator==(const ExperimentTallyAt&, const ExperimentTallyAt&) = default;
};

// An empty tally sized for `experiment`: mostBroken() zero counts.
ExperimentTally EmptyTally(const Experiment& experiment);

// Today's 3 x 6 tally in the general shape: {one, two, three}, intact total.
ExperimentTally GeneralTally(const RunTally& tally);

// The number of plates broken most often; a tie goes to the larger number, and a
// tally of no trials gives mostBroken(). {2, 5, 5} gives 3; a tally of no size, 0.
std::int32_t ModalBroken(const ExperimentTally& tally);

// The mean number of plates left intact, intactTotal / trials (trials >= 1).
double MeanIntact(const ExperimentTally& tally, std::int32_t trials);

// A plate from 1 to `plates` (2..20) for a uniform r in [0, 1): floor(plates * r + 1)
// in single precision, as PlateFor is for 6, kept at most `plates`. The bound is
// needed: for 2, 4, 8 and 16 plates the largest r (1 - 2^-24) makes plates * r + 1
// round up to plates + 1. It is applied before the truncation, where every vector
// unit has a minimum; for 6 plates it never acts.
inline std::int32_t PlateFor(float r, std::int32_t plates) {
    const float top = static_cast<float>(plates);
    const float sum = top * r + 1.0f;
    return static_cast<std::int32_t>(sum < top ? sum : top);
}

// Performs `trials` trials of `experiment`. Trial t takes its k draws, one after
// another, from lane t mod kLanes. 3 x 6 runs today's kernel; every other
// experiment the bit-set kernel of `unit`. `unit` must be one of
// SupportedVectorUnits(); `checkpoints` as for TallyTrials (ascending, from 1 to
// `trials`); their tallies are appended to `recorded`. Trials from 1 to
// kRunMaximumTrials; fewer than 1 performs none.
ExperimentTally TallyExperiment(const Experiment& experiment, std::int32_t trials,
                                UniformSource& source, VectorUnit unit,
                                std::span<const std::int32_t> checkpoints,
                                std::vector<ExperimentTallyAt>& recorded);
ExperimentTally TallyExperiment(const Experiment& experiment, std::int32_t trials,
                                UniformSource& source, VectorUnit unit);

// The bit-set kernels even for 3 x 6: what TallyExperiment gives, by another road,
// so that tests and benchmarks can set the two against each other.
ExperimentTally TallyExperimentBitSet(const Experiment& experiment, std::int32_t trials,
                                      UniformSource& source, VectorUnit unit,
                                      std::span<const std::int32_t> checkpoints,
                                      std::vector<ExperimentTallyAt>& recorded);

}  // namespace vesquin
