// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bit-set trial loop written lane by lane in plain C++, for the compiler to
// vectorise: with AVX2 where the processor has it, and with whatever other
// processors offer (WebAssembly's 128-bit unit among them).
#include <bit>
#include <cstring>
#include <utility>

#include "bitset_kernels.h"

namespace vesquin {
namespace {

constexpr std::size_t kLanes = UniformSource::kLanes;

#if defined(__GNUC__)
#define VESQUIN_ALWAYS_INLINE [[gnu::always_inline]] inline
#else
#define VESQUIN_ALWAYS_INLINE inline
#endif

// Emscripten's standard library predates std::bit_cast; the copy compiles to the same move.
VESQUIN_ALWAYS_INLINE float floatWithBits(std::uint32_t bits) {
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<float>(bits);
#else
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
#endif
}

// One kernel per number of shooters, so that the draws of a trial unroll and each
// statement over the lanes becomes one vector instruction.
// `ShiftPerLane`: the unit shifts each lane by its own amount (AVX2 does); the
// others make the bit from a float's exponent.
template <std::int32_t Shooters, bool ShiftPerLane>
VESQUIN_ALWAYS_INLINE void tallyBitSet(UniformSource::LaneState& state, std::int32_t blocks,
                                       std::int32_t plates, BrokenCounts& broken) {
    std::uint32_t s0[kLanes], s1[kLanes], s2[kLanes], s3[kLanes];
    std::int32_t counts[Shooters + 1][kLanes] = {};
    for (std::size_t k = 0; k < kLanes; ++k) {
        s0[k] = state.s0[k];
        s1[k] = state.s1[k];
        s2[k] = state.s2[k];
        s3[k] = state.s3[k];
    }
    // plates * r with r = (bits >> 8) * 2^-24 as UniformSource::toUnit makes it:
    // scaling by a power of two is exact, so one multiplication rounds alike.
    const float scale = static_cast<float>(plates) * 0x1p-24f;
    const float top = static_cast<float>(plates);
    for (std::int32_t block = 0; block < blocks; ++block) {
        for (std::size_t k = 0; k < kLanes; ++k) {
            std::uint32_t hit = 0;
            std::int32_t distinct = 0;
            // Unrolled whole, or the lane loop around it no longer vectorises (GCC
            // stops unrolling on its own at nine or ten draws).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC unroll 16
#endif
            for (std::int32_t shooter = 0; shooter < Shooters; ++shooter) {
                const std::uint32_t bits = s0[k] + s3[k];
                const std::uint32_t t = s1[k] << 9;
                s2[k] ^= s0[k];
                s3[k] ^= s1[k];
                s1[k] ^= s2[k];
                s0[k] ^= s3[k];
                s2[k] ^= t;
                s3[k] = (s3[k] << 11) | (s3[k] >> 21);
                // Truncation is floor here: plates * r + 1 lies in [1, plates + 1],
                // and the top, which only a rounding reaches, is kept at `plates`.
                const float sum =
                    static_cast<float>(static_cast<std::int32_t>(bits >> 8)) * scale + 1.0f;
                const auto plate = static_cast<std::int32_t>(sum < top ? sum : top);
                // 2^plate as the float whose exponent field is plate + 127, converted
                // to an integer (exact): unlike a shift by a per-lane amount, every
                // vector unit has both steps, WebAssembly's and SSE2 included.
                const auto bit =
                    ShiftPerLane
                        ? 1u << plate
                        : static_cast<std::uint32_t>(static_cast<std::int32_t>(
                              floatWithBits(static_cast<std::uint32_t>(plate + 127) << 23)));
                distinct += (hit & bit) == 0;
                hit |= bit;
            }
            for (std::int32_t j = 1; j <= Shooters; ++j) counts[j][k] += distinct == j;
        }
    }
    for (std::size_t k = 0; k < kLanes; ++k) {
        state.s0[k] = s0[k];
        state.s1[k] = s1[k];
        state.s2[k] = s2[k];
        state.s3[k] = s3[k];
        for (std::int32_t j = 1; j <= Shooters; ++j) broken[j] += counts[j][k];
    }
}

template <bool ShiftPerLane, std::int32_t... Shooters>
VESQUIN_ALWAYS_INLINE void tallyFor(std::integer_sequence<std::int32_t, Shooters...>,
                                    UniformSource::LaneState& state, std::int32_t blocks,
                                    std::int32_t shooters, std::int32_t plates,
                                    BrokenCounts& broken) {
    // Exactly one instance matches the shooters.
    ((shooters == Shooters + 1
          ? tallyBitSet<Shooters + 1, ShiftPerLane>(state, blocks, plates, broken)
          : void()),
     ...);
}

}  // namespace

#ifdef VESQUIN_RUNTIME_DISPATCH
[[gnu::target("avx2")]] void TallyBitSetAvx2(UniformSource::LaneState& state, std::int32_t blocks,
                                             std::int32_t shooters, std::int32_t plates,
                                             BrokenCounts& broken) {
    tallyFor<true>(std::make_integer_sequence<std::int32_t, kMostShooters>{}, state, blocks,
                   shooters, plates, broken);
}
#endif

void TallyBitSetPortable(UniformSource::LaneState& state, std::int32_t blocks,
                         std::int32_t shooters, std::int32_t plates, BrokenCounts& broken) {
    tallyFor<false>(std::make_integer_sequence<std::int32_t, kMostShooters>{}, state, blocks,
                    shooters, plates, broken);
}

}  // namespace vesquin
