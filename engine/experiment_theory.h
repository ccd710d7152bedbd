// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exact answer for any experiment, by counting the n^k equally likely ordered
// choices of k shooters among n plates: the choices that hit exactly j different
// plates are S(k, j) ways to group the shooters (Stirling numbers of the second
// kind) times n x (n - 1) x ... (j factors) ways to give the groups their plates.
// With 3 shooters and 6 plates: 6, 90 and 120 of 216, mean intact 125/36.

#include <cstdint>
#include <vector>

#include "experiment.h"
#include "theory.h"

namespace vesquin {

// S(k, j): the ways to split k shooters into j non-empty groups. S(3, 2) = 3,
// S(10, 5) = 42525; 0 for j outside 1..k (k >= 1).
std::int64_t GroupingsOf(std::int32_t shooters, std::int32_t groups);

// n x (n - 1) x ... x (n - j + 1): 6 x 5 x 4 = 120; 1 for j = 0.
std::int64_t FallingProduct(std::int32_t plates, std::int32_t factors);

struct BrokenTheory {
    std::int32_t platesBroken = 0;  // j, from 1 to mostBroken()
    std::int64_t groupings = 0;     // S(k, j)
    std::int64_t favourable = 0;    // groupings * FallingProduct(n, j), out of n^k
    Fraction probability;           // favourable / n^k, reduced
    double percent = 0;             // 100 * favourable / n^k

    friend bool operator==(const BrokenTheory&, const BrokenTheory&) = default;
};

struct ExperimentTheory {
    std::int64_t equallyLikely = 0;    // n^k
    std::vector<BrokenTheory> broken;  // j = 1 .. mostBroken()
    std::int32_t modalBroken = 0;      // the most favourable j, ties to the larger
    Fraction meanIntact;               // (n - 1)^k / n^(k - 1), reduced
    Fraction meanBroken;               // n - meanIntact

    friend bool operator==(const ExperimentTheory&, const ExperimentTheory&) = default;
};

ExperimentTheory TheoryOf(const Experiment& experiment);

}  // namespace vesquin
