// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The trial loop of any experiment, one kernel per vector unit: `blocks` rounds of
// one trial in every lane. Each lane keeps a bit set of the plates hit (bit p for
// plate p) and counts a draw as a new plate when its bit was clear, so the work
// grows with the shooters, not with their pairs. Every kernel draws exactly what
// UniformSource::step and PlateFor(r, plates) would, lane by lane, and adds to
// broken[j] the trials that broke j plates.

#include <array>
#include <cstdint>

#include "experiment.h"
#include "lane_kernels.h"
#include "uniform_source.h"

namespace vesquin {

using BrokenCounts = std::array<std::int32_t, kMostShooters + 1>;  // [0] stays 0

using BitSetKernel = void (*)(UniformSource::LaneState& state, std::int32_t blocks,
                              std::int32_t shooters, std::int32_t plates, BrokenCounts& broken);

void TallyBitSetPortable(UniformSource::LaneState& state, std::int32_t blocks,
                         std::int32_t shooters, std::int32_t plates, BrokenCounts& broken);

#ifdef VESQUIN_X86_64
void TallyBitSetSse2(UniformSource::LaneState& state, std::int32_t blocks, std::int32_t shooters,
                     std::int32_t plates, BrokenCounts& broken);
#endif

#ifdef VESQUIN_RUNTIME_DISPATCH
void TallyBitSetAvx2(UniformSource::LaneState& state, std::int32_t blocks, std::int32_t shooters,
                     std::int32_t plates, BrokenCounts& broken);
void TallyBitSetAvx512(UniformSource::LaneState& state, std::int32_t blocks, std::int32_t shooters,
                       std::int32_t plates, BrokenCounts& broken);
#endif

}  // namespace vesquin
