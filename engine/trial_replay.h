// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One trial of a run, drawn again from the run's seed: the plate each shooter
// picked. A run keeps only its tallies; a face that lights the cell of a trial
// (the grid of every ordered choice) asks here which choice it was.

#include <cstdint>
#include <vector>

#include "experiment.h"

namespace vesquin {

// The plates (1 to n, the first shooter's first) of trial `trial` (1 for the
// first) of a run of `experiment` seeded with `seed`: the trial's lane is
// (trial - 1) mod kLanes, and it takes the k draws after those of the lane's
// earlier trials. Empty for a trial below 1.
std::vector<std::int32_t> TrialPlates(const Experiment& experiment, std::uint64_t seed,
                                      std::int32_t trial);

}  // namespace vesquin
