#pragma once

// The trials themselves: three plate choices per trial, classified by how many
// different plates were picked.

#include <cstdint>
#include <span>
#include <vector>

#include "uniform_source.h"

namespace vesquin {

enum class TrialOutcome { OnePlate, TwoPlates, ThreePlates };

struct RunTally {
    std::int32_t oneCount = 0;
    std::int32_t twoCount = 0;
    std::int32_t threeCount = 0;
    std::int32_t intactTotal = 0;  // plates left intact, summed over all trials

    friend bool operator==(const RunTally&, const RunTally&) = default;
};

// The running tallies after the first `trials` trials of a run.
struct TallyAt {
    std::int32_t trials = 0;
    RunTally tally;

    friend bool operator==(const TallyAt&, const TallyAt&) = default;
};

// The number of broken plates counted most often; a tie goes to the larger
// number. 1/0/0 gives 1, a tie of two and three gives 3, 0/0/0 gives 3.
std::int32_t ModalBroken(const RunTally& tally);

// A plate from 1 to 6 for a uniform value r in [0, 1).
inline std::uint8_t PlateFor(float r) {
    return static_cast<std::uint8_t>(6.0f * r + 1.0f);
}

// Tested in this order: all three alike, then any two alike, else all different.
inline TrialOutcome Classify(std::uint8_t c1, std::uint8_t c2, std::uint8_t c3) {
    if (c1 == c2 && c1 == c3) return TrialOutcome::OnePlate;
    if (c1 == c2 || c1 == c3 || c2 == c3) return TrialOutcome::TwoPlates;
    return TrialOutcome::ThreePlates;
}

// Performs `trials` trials. Trial t takes its three draws, c1 then c2 then c3,
// from lane t mod kLanes. The caller keeps 5 * trials within int32 (see
// kRunMaximumTrials); fewer than 1 trial performs none.
RunTally TallyTrials(std::int32_t trials, UniformSource& source);

// The paths the trial loop has: plain C++ left to the compiler, and hand-written
// ones for x86-64's vector units. TallyTrials takes the widest one the processor
// has; every path gives the same tallies.
enum class VectorUnit { Portable, Sse2, Avx2, Avx512 };
std::vector<VectorUnit> SupportedVectorUnits();
// The first of SupportedVectorUnits(): the one runs use.
VectorUnit WidestVectorUnit();
// `unit` must be one of SupportedVectorUnits().
RunTally TallyTrials(std::int32_t trials, UniformSource& source, VectorUnit unit);

// The trial counts at which a run records its running tallies: about 20 a decade,
// evenly spaced in log n from n = 1 (the distinct values of round(10^(k/20))),
// then `trials` itself. Ascending and distinct; none for fewer than 1 trial.
// 100 trials give 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 16, 18, 20, 22, 25, ... 89, 100.
std::vector<std::int32_t> CheckpointTrials(std::int32_t trials);

// TallyTrials that also appends to `recorded` the tallies of the first k trials
// for every k in `checkpoints` (ascending, each from 1 to `trials`). The trials
// drawn are exactly those of TallyTrials, on every vector unit.
RunTally TallyTrials(std::int32_t trials, UniformSource& source, VectorUnit unit,
                     std::span<const std::int32_t> checkpoints, std::vector<TallyAt>& recorded);

}  // namespace vesquin
