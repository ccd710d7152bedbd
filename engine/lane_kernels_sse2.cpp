// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The trial loop for every x86-64 processor, written with SSE2 intrinsics: eight
// lanes at a time in two registers per state word, draws of the two registers
// interleaved, and the outcomes counted from comparison masks on the scalar
// side, which leaves the vector unit to the draws.
#include "lane_kernels.h"

#ifdef VESQUIN_X86_64

#include <emmintrin.h>

#include <array>

namespace vesquin {
namespace {

struct LaneRegisters {
    __m128i s0, s1, s2, s3;
};

LaneRegisters load(const UniformSource::LaneState& state, std::size_t first) {
    const auto at = [first](const auto& word) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(word.data() + first));
    };
    return {at(state.s0), at(state.s1), at(state.s2), at(state.s3)};
}

void store(const LaneRegisters& lanes, UniformSource::LaneState& state, std::size_t first) {
    const auto at = [first](auto& word) { return reinterpret_cast<__m128i*>(word.data() + first); };
    _mm_store_si128(at(state.s0), lanes.s0);
    _mm_store_si128(at(state.s1), lanes.s1);
    _mm_store_si128(at(state.s2), lanes.s2);
    _mm_store_si128(at(state.s3), lanes.s3);
}

// One draw in four lanes: the plate, as UniformSource::step and PlateFor make it.
inline __m128i drawPlates(LaneRegisters& lanes) {
    const __m128i bits = _mm_add_epi32(lanes.s0, lanes.s3);
    const __m128i t = _mm_slli_epi32(lanes.s1, 9);
    lanes.s2 = _mm_xor_si128(lanes.s2, lanes.s0);
    lanes.s3 = _mm_xor_si128(lanes.s3, lanes.s1);
    lanes.s1 = _mm_xor_si128(lanes.s1, lanes.s2);
    lanes.s0 = _mm_xor_si128(lanes.s0, lanes.s3);
    lanes.s2 = _mm_xor_si128(lanes.s2, t);
    lanes.s3 = _mm_or_si128(_mm_slli_epi32(lanes.s3, 11), _mm_srli_epi32(lanes.s3, 21));
    const __m128 sixR = _mm_mul_ps(_mm_cvtepi32_ps(_mm_srli_epi32(bits, 8)), _mm_set1_ps(0x6p-24f));
    return _mm_cvttps_epi32(_mm_add_ps(sixR, _mm_set1_ps(1.0f)));
}

// One bit per lane of the two registers: lanes of `a` low, lanes of `b` high.
inline unsigned sameMask(__m128i a1, __m128i a2, __m128i b1, __m128i b2) {
    const auto mask = [](__m128i x, __m128i y) {
        return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(x, y))));
    };
    return mask(a1, a2) | mask(b1, b2) << 4;
}

constexpr std::array<std::uint8_t, 256> kBitCount = [] {
    std::array<std::uint8_t, 256> counts{};
    for (std::size_t i = 1; i < counts.size(); ++i) counts[i] = counts[i / 2] + (i & 1);
    return counts;
}();

}  // namespace

BlockTotals TallyBlocksSse2(UniformSource::LaneState& state, std::int32_t blocks) {
    BlockTotals totals;
    for (std::size_t first = 0; first < UniformSource::kLanes; first += 8) {
        LaneRegisters a = load(state, first), b = load(state, first + 4);
        for (std::int32_t block = 0; block < blocks; ++block) {
            const __m128i a1 = drawPlates(a), b1 = drawPlates(b);
            const __m128i a2 = drawPlates(a), b2 = drawPlates(b);
            const __m128i a3 = drawPlates(a), b3 = drawPlates(b);
            const unsigned same12 = sameMask(a1, a2, b1, b2);
            const unsigned same13 = sameMask(a1, a3, b1, b3);
            const unsigned same23 = sameMask(a2, a3, b2, b3);
            totals.one += kBitCount[same12 & same13];
            // Trials with any two plates alike; the rest broke three.
            totals.three -= kBitCount[same12 | same13 | same23];
        }
        store(a, state, first);
        store(b, state, first + 4);
    }
    totals.three += blocks * static_cast<std::int32_t>(UniformSource::kLanes);
    return totals;
}

}  // namespace vesquin

#endif
