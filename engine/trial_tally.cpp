// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trial_tally.h"

#include "lane_kernels.h"

namespace vesquin {
namespace {

constexpr std::size_t kLanes = UniformSource::kLanes;

BlockKernel kernelFor(VectorUnit unit) {
    switch (unit) {
#ifdef VESQUIN_RUNTIME_DISPATCH
        case VectorUnit::Avx512:
            return TallyBlocksAvx512;
        case VectorUnit::Avx2:
            return TallyBlocksAvx2;
#endif
#ifdef VESQUIN_X86_64
        case VectorUnit::Sse2:
            return TallyBlocksSse2;
#endif
        default:
            return TallyBlocksPortable;
    }
}

}  // namespace

std::vector<VectorUnit> SupportedVectorUnits() {
    std::vector<VectorUnit> units;
#ifdef VESQUIN_RUNTIME_DISPATCH
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
        __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq") &&
        __builtin_cpu_supports("avx512cd")) {
        units.push_back(VectorUnit::Avx512);
    }
    if (__builtin_cpu_supports("avx2")) units.push_back(VectorUnit::Avx2);
#endif
#ifdef VESQUIN_X86_64
    units.push_back(VectorUnit::Sse2);
#endif
    units.push_back(VectorUnit::Portable);
    return units;
}

RunTally TallyTrials(std::int32_t trials, UniformSource& source) {
    static const VectorUnit widest = SupportedVectorUnits().front();
    return TallyTrials(trials, source, widest);
}

RunTally TallyTrials(std::int32_t trials, UniformSource& source, VectorUnit unit) {
    RunTally tally;
    if (trials < 1) return tally;

    const auto lanes = static_cast<std::int32_t>(kLanes);
    const BlockTotals totals = kernelFor(unit)(source.lanes(), trials / lanes);
    tally.oneCount = totals.one;
    tally.threeCount = totals.three;
    // The last trials, fewer than one per lane, go to the first lanes in turn.
    for (std::size_t lane = 0; lane < static_cast<std::size_t>(trials % lanes); ++lane) {
        const std::uint8_t c1 = PlateFor(source.next(lane));
        const std::uint8_t c2 = PlateFor(source.next(lane));
        const std::uint8_t c3 = PlateFor(source.next(lane));
        switch (Classify(c1, c2, c3)) {
            case TrialOutcome::OnePlate:
                ++tally.oneCount;
                break;
            case TrialOutcome::TwoPlates:
                break;
            case TrialOutcome::ThreePlates:
                ++tally.threeCount;
                break;
        }
    }
    tally.twoCount = trials - tally.oneCount - tally.threeCount;
    tally.intactTotal = 5 * tally.oneCount + 4 * tally.twoCount + 3 * tally.threeCount;
    return tally;
}

}  // namespace vesquin
