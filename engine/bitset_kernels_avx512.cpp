// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bit-set trial loop for processors with AVX-512: all sixteen lanes in one
// register per state word, the bit of each plate from a per-lane shift, and "was
// it already hit" as a test mask that steps the count of different plates.
#include "bitset_kernels.h"

#ifdef VESQUIN_RUNTIME_DISPATCH

// GCC 12's own AVX-512 header trips its uninitialised-value warning (its
// "undefined" source operands); the warning is about the header, not this code.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop

namespace vesquin {

static_assert(UniformSource::kLanes == 16, "one 512-bit register holds sixteen lanes");

[[gnu::target("arch=x86-64-v4")]] void TallyBitSetAvx512(UniformSource::LaneState& state,
                                                         std::int32_t blocks, std::int32_t shooters,
                                                         std::int32_t plates,
                                                         BrokenCounts& broken) {
    constexpr int kXorOfThree = 0x96;  // ternary-logic table for a ^ b ^ c
    __m512i s0 = _mm512_load_si512(state.s0.data());
    __m512i s1 = _mm512_load_si512(state.s1.data());
    __m512i s2 = _mm512_load_si512(state.s2.data());
    __m512i s3 = _mm512_load_si512(state.s3.data());
    const __m512 scale = _mm512_set1_ps(static_cast<float>(plates) * 0x1p-24f);
    const __m512 oneF = _mm512_set1_ps(1.0f);
    const __m512 top = _mm512_set1_ps(static_cast<float>(plates));
    const __m512i oneI = _mm512_set1_epi32(1);
    const std::int32_t mostBroken = shooters < plates ? shooters : plates;

    for (std::int32_t block = 0; block < blocks; ++block) {
        __m512i hit = _mm512_setzero_si512();
        __m512i distinct = _mm512_setzero_si512();
        for (std::int32_t shooter = 0; shooter < shooters; ++shooter) {
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
            // floor(plates * r + 1) in single precision, r = (bits >> 8) * 2^-24,
            // kept at most `plates` as PlateFor keeps it.
            const __m512 scaled =
                _mm512_mul_ps(_mm512_cvtepi32_ps(_mm512_srli_epi32(bits, 8)), scale);
            const __m512i plate =
                _mm512_cvttps_epi32(_mm512_min_ps(_mm512_add_ps(scaled, oneF), top));
            const __m512i bit = _mm512_sllv_epi32(oneI, plate);
            const __mmask16 isNew = _mm512_testn_epi32_mask(hit, bit);
            distinct = _mm512_mask_add_epi32(distinct, isNew, distinct, oneI);
            hit = _mm512_or_si512(hit, bit);
        }
        // The lanes that broke none of the smaller numbers broke the most.
        std::int32_t counted = 0;
        for (std::int32_t j = 1; j < mostBroken; ++j) {
            const __mmask16 broke = _mm512_cmpeq_epi32_mask(distinct, _mm512_set1_epi32(j));
            const int lanes = __builtin_popcount(static_cast<unsigned>(broke));
            broken[static_cast<std::size_t>(j)] += lanes;
            counted += lanes;
        }
        broken[static_cast<std::size_t>(mostBroken)] += 16 - counted;
    }

    _mm512_store_si512(state.s0.data(), s0);
    _mm512_store_si512(state.s1.data(), s1);
    _mm512_store_si512(state.s2.data(), s2);
    _mm512_store_si512(state.s3.data(), s3);
}

}  // namespace vesquin

#endif
