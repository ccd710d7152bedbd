#include "trial_tally.h"

#include <array>

namespace vesquin {
namespace {

constexpr std::size_t kLanes = UniformSource::kLanes;

struct LaneCounts {
    std::array<std::int32_t, kLanes> one{};
    std::array<std::int32_t, kLanes> three{};
};

#if defined(__GNUC__)
#define VESQUIN_ALWAYS_INLINE [[gnu::always_inline]] inline
#else
#define VESQUIN_ALWAYS_INLINE inline
#endif

// `blocks` rounds of one trial in every lane. Written lane-wise and without
// branches so that each statement becomes one vector instruction over the lanes
// (two registers per state word on AVX2, the fastest shape measured); lane by
// lane it draws exactly what UniformSource::step and PlateFor would.
VESQUIN_ALWAYS_INLINE void tallyBlocks(UniformSource::LaneState& state, std::int32_t blocks,
                                       LaneCounts& counts) {
    std::uint32_t s0[kLanes], s1[kLanes], s2[kLanes], s3[kLanes];
    std::int32_t one[kLanes] = {}, three[kLanes] = {};
    for (std::size_t k = 0; k < kLanes; ++k) {
        s0[k] = state.s0[k];
        s1[k] = state.s1[k];
        s2[k] = state.s2[k];
        s3[k] = state.s3[k];
    }
    for (std::int32_t block = 0; block < blocks; ++block) {
        for (std::size_t k = 0; k < kLanes; ++k) {
            std::int32_t plate[3];
            for (std::int32_t& c : plate) {
                const std::uint32_t bits = s0[k] + s3[k];
                const std::uint32_t t = s1[k] << 9;
                s2[k] ^= s0[k];
                s3[k] ^= s1[k];
                s1[k] ^= s2[k];
                s0[k] ^= s3[k];
                s2[k] ^= t;
                s3[k] = (s3[k] << 11) | (s3[k] >> 21);
                // 6r, with r = (bits >> 8) * 2^-24 as UniformSource::toUnit makes it;
                // scaling by a power of two is exact, so one multiplication rounds alike.
                const float sixR =
                    static_cast<float>(static_cast<std::int32_t>(bits >> 8)) * 0x6p-24f;
                // Truncation is floor here: 6r + 1 lies in [1, 7).
                c = static_cast<std::int32_t>(sixR + 1.0f);
            }
            const std::int32_t same12 = plate[0] == plate[1];
            const std::int32_t same13 = plate[0] == plate[2];
            const std::int32_t same23 = plate[1] == plate[2];
            one[k] += same12 & same13;
            three[k] += (same12 | same13 | same23) ^ 1;
        }
    }
    for (std::size_t k = 0; k < kLanes; ++k) {
        state.s0[k] = s0[k];
        state.s1[k] = s1[k];
        state.s2[k] = s2[k];
        state.s3[k] = s3[k];
        counts.one[k] = one[k];
        counts.three[k] = three[k];
    }
}

// One binary for every x86-64: the widest vector unit the processor has is
// chosen at run time (GCC's own dispatch, target_clones, needs the ELF loader).
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define VESQUIN_RUNTIME_DISPATCH 1
[[gnu::target("arch=x86-64-v4")]] void tallyBlocksAvx512(UniformSource::LaneState& state,
                                                         std::int32_t blocks, LaneCounts& counts) {
    tallyBlocks(state, blocks, counts);
}
[[gnu::target("avx2")]] void tallyBlocksAvx2(UniformSource::LaneState& state, std::int32_t blocks,
                                             LaneCounts& counts) {
    tallyBlocks(state, blocks, counts);
}
#endif

void tallyBlocksBaseline(UniformSource::LaneState& state, std::int32_t blocks, LaneCounts& counts) {
    tallyBlocks(state, blocks, counts);
}

using BlockKernel = void (*)(UniformSource::LaneState&, std::int32_t, LaneCounts&);

BlockKernel kernelFor(VectorUnit unit) {
    switch (unit) {
#ifdef VESQUIN_RUNTIME_DISPATCH
        case VectorUnit::Avx512:
            return tallyBlocksAvx512;
        case VectorUnit::Avx2:
            return tallyBlocksAvx2;
#endif
        default:
            return tallyBlocksBaseline;
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
    units.push_back(VectorUnit::Baseline);
    return units;
}

RunTally TallyTrials(std::int32_t trials, UniformSource& source) {
    static const VectorUnit widest = SupportedVectorUnits().front();
    return TallyTrials(trials, source, widest);
}

RunTally TallyTrials(std::int32_t trials, UniformSource& source, VectorUnit unit) {
    RunTally tally;
    if (trials < 1) return tally;

    LaneCounts counts;
    const auto lanes = static_cast<std::int32_t>(kLanes);
    kernelFor(unit)(source.lanes(), trials / lanes, counts);
    for (std::size_t k = 0; k < kLanes; ++k) {
        tally.oneCount += counts.one[k];
        tally.threeCount += counts.three[k];
    }
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
