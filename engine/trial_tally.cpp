#include "trial_tally.h"

#include <cmath>

#include "lane_kernels.h"

namespace vesquin {
namespace {

constexpr std::int32_t kLanes = static_cast<std::int32_t>(UniformSource::kLanes);

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

// One trial in each of the first `count` lanes (fewer than one block), added to `totals`.
void tallyFirstLanes(UniformSource::LaneState& state, std::int32_t count, BlockTotals& totals) {
    for (std::size_t lane = 0; lane < static_cast<std::size_t>(count); ++lane) {
        const std::uint8_t c1 = PlateFor(UniformSource::toUnit(UniformSource::step(state, lane)));
        const std::uint8_t c2 = PlateFor(UniformSource::toUnit(UniformSource::step(state, lane)));
        const std::uint8_t c3 = PlateFor(UniformSource::toUnit(UniformSource::step(state, lane)));
        switch (Classify(c1, c2, c3)) {
            case TrialOutcome::OnePlate:
                ++totals.one;
                break;
            case TrialOutcome::TwoPlates:
                break;
            case TrialOutcome::ThreePlates:
                ++totals.three;
                break;
        }
    }
}

RunTally tallyOf(std::int32_t trials, const BlockTotals& totals) {
    RunTally tally;
    tally.oneCount = totals.one;
    tally.threeCount = totals.three;
    tally.twoCount = trials - totals.one - totals.three;
    tally.intactTotal = 5 * tally.oneCount + 4 * tally.twoCount + 3 * tally.threeCount;
    return tally;
}

}  // namespace

std::int32_t ModalBroken(const RunTally& tally) {
    if (tally.threeCount >= tally.twoCount && tally.threeCount >= tally.oneCount) return 3;
    return tally.twoCount >= tally.oneCount ? 2 : 1;
}

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

VectorUnit WidestVectorUnit() {
    static const VectorUnit widest = SupportedVectorUnits().front();
    return widest;
}

RunTally TallyTrials(std::int32_t trials, UniformSource& source) {
    return TallyTrials(trials, source, WidestVectorUnit());
}

RunTally TallyTrials(std::int32_t trials, UniformSource& source, VectorUnit unit) {
    std::vector<TallyAt> none;
    return TallyTrials(trials, source, unit, {}, none);
}

RunTally TallyTrials(std::int32_t trials, UniformSource& source, VectorUnit unit,
                     std::span<const std::int32_t> checkpoints, std::vector<TallyAt>& recorded) {
    if (trials < 1) return RunTally{};
    const BlockKernel kernel = kernelFor(unit);
    UniformSource::LaneState& state = source.lanes();

    // Trial t is drawn from lane t mod kLanes, so the first k trials are k / kLanes
    // whole blocks and one trial in each of the first k mod kLanes lanes. The
    // kernel runs from checkpoint to checkpoint; the few trials past the last whole
    // block are counted on a copy of the lanes, which the next block then redraws.
    BlockTotals totals;
    std::int32_t blocksDone = 0;
    for (const std::int32_t checkpoint : checkpoints) {
        const std::int32_t blocks = checkpoint / kLanes;
        const BlockTotals run = kernel(state, blocks - blocksDone);
        totals.one += run.one;
        totals.three += run.three;
        blocksDone = blocks;
        BlockTotals upToCheckpoint = totals;
        UniformSource::LaneState ahead = state;
        tallyFirstLanes(ahead, checkpoint % kLanes, upToCheckpoint);
        recorded.push_back({checkpoint, tallyOf(checkpoint, upToCheckpoint)});
    }
    const BlockTotals rest = kernel(state, trials / kLanes - blocksDone);
    totals.one += rest.one;
    totals.three += rest.three;
    // The last trials, fewer than one per lane, go to the first lanes in turn.
    tallyFirstLanes(state, trials % kLanes, totals);
    return tallyOf(trials, totals);
}

std::vector<std::int32_t> CheckpointTrials(std::int32_t trials) {
    std::vector<std::int32_t> checkpoints;
    for (int step = 0;; ++step) {
        const double n = std::round(std::pow(10.0, step / 20.0));
        if (n >= trials) break;
        const auto checkpoint = static_cast<std::int32_t>(n);
        if (checkpoints.empty() || checkpoints.back() < checkpoint)
            checkpoints.push_back(checkpoint);
    }
    if (trials >= 1) checkpoints.push_back(trials);
    return checkpoints;
}

}  // namespace vesquin
