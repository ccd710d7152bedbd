// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bit-set trial loop for every x86-64 processor, with SSE2 intrinsics: eight
// lanes at a time in two registers per state word, their draws interleaved. SSE2
// has no per-lane shift, so a plate's bit 2^p is made as the float 2^p (its
// exponent field is p + 127) converted to an integer, which is exact.
#include "bitset_kernels.h"

#ifdef VESQUIN_X86_64

#include <emmintrin.h>

#include <array>

namespace vesquin {
namespace {

struct Lanes {
    __m128i s0, s1, s2, s3;
    __m128i hit, distinct;
};

Lanes load(const UniformSource::LaneState& state, std::size_t first) {
    const auto at = [first](const auto& word) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(word.data() + first));
    };
    return {at(state.s0), at(state.s1),        at(state.s2),
            at(state.s3), _mm_setzero_si128(), _mm_setzero_si128()};
}

void store(const Lanes& lanes, UniformSource::LaneState& state, std::size_t first) {
    const auto at = [first](auto& word) { return reinterpret_cast<__m128i*>(word.data() + first); };
    _mm_store_si128(at(state.s0), lanes.s0);
    _mm_store_si128(at(state.s1), lanes.s1);
    _mm_store_si128(at(state.s2), lanes.s2);
    _mm_store_si128(at(state.s3), lanes.s3);
}

// One draw in four lanes, as UniformSource::step and PlateFor(r, plates) make it,
// added to the lanes' bit sets. The minimum with `top` keeps the plate within 1..plates.
inline void draw(Lanes& lanes, __m128 scale, __m128 top) {
    const __m128i bits = _mm_add_epi32(lanes.s0, lanes.s3);
    const __m128i t = _mm_slli_epi32(lanes.s1, 9);
    lanes.s2 = _mm_xor_si128(lanes.s2, lanes.s0);
    lanes.s3 = _mm_xor_si128(lanes.s3, lanes.s1);
    lanes.s1 = _mm_xor_si128(lanes.s1, lanes.s2);
    lanes.s0 = _mm_xor_si128(lanes.s0, lanes.s3);
    lanes.s2 = _mm_xor_si128(lanes.s2, t);
    lanes.s3 = _mm_or_si128(_mm_slli_epi32(lanes.s3, 11), _mm_srli_epi32(lanes.s3, 21));
    const __m128 scaled = _mm_mul_ps(_mm_cvtepi32_ps(_mm_srli_epi32(bits, 8)), scale);
    const __m128i plate = _mm_cvttps_epi32(_mm_min_ps(_mm_add_ps(scaled, _mm_set1_ps(1.0f)), top));
    const __m128i powerOfTwo = _mm_slli_epi32(_mm_add_epi32(plate, _mm_set1_epi32(127)), 23);
    const __m128i bit = _mm_cvttps_epi32(_mm_castsi128_ps(powerOfTwo));
    const __m128i isNew = _mm_cmpeq_epi32(_mm_and_si128(lanes.hit, bit), _mm_setzero_si128());
    lanes.distinct = _mm_sub_epi32(lanes.distinct, isNew);  // isNew is -1 or 0
    lanes.hit = _mm_or_si128(lanes.hit, bit);
}

constexpr std::array<std::uint8_t, 256> kBitCount = [] {
    std::array<std::uint8_t, 256> counts{};
    for (std::size_t i = 1; i < counts.size(); ++i) counts[i] = counts[i / 2] + (i & 1);
    return counts;
}();

}  // namespace

void TallyBitSetSse2(UniformSource::LaneState& state, std::int32_t blocks, std::int32_t shooters,
                     std::int32_t plates, BrokenCounts& broken) {
    const __m128 scale = _mm_set1_ps(static_cast<float>(plates) * 0x1p-24f);
    const __m128 top = _mm_set1_ps(static_cast<float>(plates));
    const std::int32_t mostBroken = shooters < plates ? shooters : plates;
    for (std::size_t first = 0; first < UniformSource::kLanes; first += 8) {
        Lanes a = load(state, first), b = load(state, first + 4);
        for (std::int32_t block = 0; block < blocks; ++block) {
            a.hit = b.hit = a.distinct = b.distinct = _mm_setzero_si128();
            for (std::int32_t shooter = 0; shooter < shooters; ++shooter) {
                draw(a, scale, top);
                draw(b, scale, top);
            }
            for (std::int32_t j = 1; j <= mostBroken; ++j) {
                const __m128i value = _mm_set1_epi32(j);
                const auto mask = [value](__m128i distinct) {
                    return static_cast<unsigned>(
                        _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(distinct, value))));
                };
                broken[static_cast<std::size_t>(j)] +=
                    kBitCount[mask(a.distinct) | mask(b.distinct) << 4];
            }
        }
        store(a, state, first);
        store(b, state, first + 4);
    }
}

}  // namespace vesquin

#endif
