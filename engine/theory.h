// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exact answer to the puzzle, found by counting: each of the three shooters
// picks one of six plates, so there are 6 x 6 x 6 = 216 equally likely choices,
// and every one of them is classified as a trial classifies it.

#include <array>
#include <cstdint>

namespace vesquin {

// A fraction in lowest terms with a positive denominator: 90/216 is held as 5/12.
struct Fraction {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;

    double value() const {
        return static_cast<double>(numerator) / static_cast<double>(denominator);
    }
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// numerator/denominator in lowest terms; `denominator` must not be 0.
Fraction Reduced(std::int64_t numerator, std::int64_t denominator);

struct OutcomeTheory {
    std::int32_t platesBroken = 0;  // 1, 2 or 3
    std::int32_t favourable = 0;    // choices out of `equallyLikely` that break that many plates
    Fraction probability;           // favourable / equallyLikely, reduced
    double percent = 0;             // 100 * favourable / equallyLikely
};

struct ExactTheory {
    std::int32_t equallyLikely = 0;         // 216
    std::array<OutcomeTheory, 3> outcomes;  // one, two and three broken plates: 6, 90, 120
    std::int32_t modalBroken = 0;           // the most favourable number broken: 3
    Fraction meanIntact;                    // 125/36
    Fraction meanBroken;                    // 91/36
};

// Enumerates the 216 choices (c1, c2, c3), each from 1 to 6, and counts them.
ExactTheory EnumerateTheory();

// EnumerateTheory(), counted once.
const ExactTheory& Theory();

}  // namespace vesquin
