// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trial_replay.h"

#include "experiment_tally.h"
#include "uniform_source.h"

namespace vesquin {

std::vector<std::int32_t> TrialPlates(const Experiment& experiment, std::uint64_t seed,
                                      std::int32_t trial) {
    if (trial < 1) return {};
    UniformSource source(seed);
    const auto index = static_cast<std::uint64_t>(trial - 1);
    const std::size_t lane = index % UniformSource::kLanes;
    const std::uint64_t earlier = index / UniformSource::kLanes;
    const auto shooters = static_cast<std::uint64_t>(experiment.shooters());
    for (std::uint64_t draw = 0; draw < earlier * shooters; ++draw) source.next(lane);
    std::vector<std::int32_t> plates;
    plates.reserve(shooters);
    for (std::uint64_t shooter = 0; shooter < shooters; ++shooter)
        plates.push_back(PlateFor(source.next(lane), experiment.plates()));
    return plates;
}

}  // namespace vesquin
