// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The trial loop for processors with AVX-512, written with intrinsics: all
// sixteen lanes sit in one register per state word, the state update uses
// three-way XORs and rotates, and the outcomes are counted from the comparison
// masks on the scalar side, which leaves the vector unit to the draws.
#include "lane_kernels.h"

#ifdef VESQUIN_RUNTIME_DISPATCH

// GCC 12's own AVX-512 header trips its uninitialised-value warning (its
// "undefined" source operands); the warning is about the header, not this code.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop

namespace vesquin {

static_assert(UniformSource::kLanes == 16, "one 512-bit register holds sixteen lanes");

[[gnu::target("arch=x86-64-v4")]] BlockTotals TallyBlocksAvx512(UniformSource::LaneState& state,
                                                                std::int32_t blocks) {
    constexpr int kXorOfThree = 0x96;  // ternary-logic table for a ^ b ^ c
    __m512i s0 = _mm512_load_si512(state.s0.data());
    __m512i s1 = _mm512_load_si512(state.s1.data());
    __m512i s2 = _mm512_load_si512(state.s2.data());
    __m512i s3 = _mm512_load_si512(state.s3.data());
    const __m512 sixOver2To24 = _mm512_set1_ps(0x6p-24f);
    const __m512 one = _mm512_set1_ps(1.0f);

    BlockTotals totals;
    for (std::int32_t block = 0; block < blocks; ++block) {
        __m512i plate[3];
        for (__m512i& c : plate) {
            // xoshiro128+, as UniformSource::step: the output, then the advance.
            const __m512i bits = _mm512_add_epi32(s0, s3);
            const __m512i t = _mm512_slli_epi32(s1, 9);
            const __m512i x3 = _mm512_xor_si512(s3, s1);
            const __m512i n1 = _mm512_ternarylogic_epi32(s1, s2, s0, kXorOfThree);
            const __m512i n2 = _mm512_ternarylogic_epi32(s2, s0, t, kXorOfThree);
            s0 = _mm512_xor_si512(s0, x3);
            s1 = n1;
            s2 = n2;
            s3 = _mm512_rol_epi32(x3, 11);
            // floor(6r + 1) in single precision, r = (bits >> 8) * 2^-24, as PlateFor.
            const __m512 sixR =
                _mm512_mul_ps(_mm512_cvtepi32_ps(_mm512_srli_epi32(bits, 8)), sixOver2To24);
            c = _mm512_cvttps_epi32(_mm512_add_ps(sixR, one));
        }
        const __mmask16 same12 = _mm512_cmpeq_epi32_mask(plate[0], plate[1]);
        const __mmask16 same13 = _mm512_cmpeq_epi32_mask(plate[0], plate[2]);
        const __mmask16 same23 = _mm512_cmpeq_epi32_mask(plate[1], plate[2]);
        totals.one += __builtin_popcount(static_cast<unsigned>(same12 & same13));
        // Trials with any two plates alike; the rest broke three.
        totals.three -= __builtin_popcount(static_cast<unsigned>(same12 | same13 | same23));
    }
    totals.three += blocks * 16;

    _mm512_store_si512(state.s0.data(), s0);
    _mm512_store_si512(state.s1.data(), s1);
    _mm512_store_si512(state.s2.data(), s2);
    _mm512_store_si512(state.s3.data(), s3);
    return totals;
}

}  // namespace vesquin

#endif
