// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The trial loop written lane by lane in plain C++, for the compiler to vectorise:
// with AVX2 where the processor has it, and with whatever other processors offer.
#include "lane_kernels.h"

namespace vesquin {
namespace {

constexpr std::size_t kLanes = UniformSource::kLanes;

#if defined(__GNUC__)
#define VESQUIN_ALWAYS_INLINE [[gnu::always_inline]] inline
#else
#define VESQUIN_ALWAYS_INLINE inline
#endif

// `blocks` rounds of one trial in every lane. Written lane-wise and without
// branches so that each statement becomes one vector instruction over the lanes
// (two registers per state word on AVX2, the fastest shape measured); lane by
// lane it draws exactly what UniformSource::step and PlateFor would.
VESQUIN_ALWAYS_INLINE BlockTotals tallyBlocks(UniformSource::LaneState& state,
                                              std::int32_t blocks) {
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
    BlockTotals totals;
    for (std::size_t k = 0; k < kLanes; ++k) {
        state.s0[k] = s0[k];
        state.s1[k] = s1[k];
        state.s2[k] = s2[k];
        state.s3[k] = s3[k];
        totals.one += one[k];
        totals.three += three[k];
    }
    return totals;
}

}  // namespace

#ifdef VESQUIN_RUNTIME_DISPATCH
[[gnu::target("avx2")]] BlockTotals TallyBlocksAvx2(UniformSource::LaneState& state,
                                                    std::int32_t blocks) {
    return tallyBlocks(state, blocks);
}
#endif

BlockTotals TallyBlocksPortable(UniformSource::LaneState& state, std::int32_t blocks) {
    return tallyBlocks(state, blocks);
}

}  // namespace vesquin
