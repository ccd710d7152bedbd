// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The trial loop's kernels, one per vector unit: each performs `blocks` rounds of
// one trial in every lane of the source and returns how many trials broke one
// plate and how many broke three. Every kernel draws exactly what
// UniformSource::step and PlateFor would, lane by lane.

#include <cstdint>

#include "uniform_source.h"

namespace vesquin {

struct BlockTotals {
    std::int32_t one = 0;
    std::int32_t three = 0;
};

using BlockKernel = BlockTotals (*)(UniformSource::LaneState& state, std::int32_t blocks);

// Plain C++ for the compiler to vectorise, on any processor.
BlockTotals TallyBlocksPortable(UniformSource::LaneState& state, std::int32_t blocks);

// SSE2, which every x86-64 processor has.
#if defined(__x86_64__) || defined(_M_X64)
#define VESQUIN_X86_64 1
BlockTotals TallyBlocksSse2(UniformSource::LaneState& state, std::int32_t blocks);
#endif

// One binary for every x86-64: the widest vector unit the processor has is
// chosen at run time (GCC's own dispatch, target_clones, needs the ELF loader).
#if defined(VESQUIN_X86_64) && defined(__GNUC__) && !defined(__clang__)
#define VESQUIN_RUNTIME_DISPATCH 1
BlockTotals TallyBlocksAvx2(UniformSource::LaneState& state, std::int32_t blocks);
BlockTotals TallyBlocksAvx512(UniformSource::LaneState& state, std::int32_t blocks);
#endif

}  // namespace vesquin
