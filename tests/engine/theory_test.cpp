// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The exact theory held against a second, independent count of the 216 choices:
// here a choice breaks as many plates as it names different plates.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "experiment_run.h"
#include "teaching_figures.h"
#include "theory.h"

namespace vesquin {
namespace {

struct Counted {
    std::int32_t choices = 0;
    std::array<std::int32_t, 4> byBroken{};  // index: plates broken
    std::int32_t intactTotal = 0;
};

Counted CountByDistinctPlates() {
    Counted counted;
    for (int c1 = 1; c1 <= 6; ++c1)
        for (int c2 = 1; c2 <= 6; ++c2)
            for (int c3 = 1; c3 <= 6; ++c3) {
                const auto broken = static_cast<std::int32_t>(std::set{c1, c2, c3}.size());
                ++counted.choices;
                ++counted.byBroken[broken];
                counted.intactTotal += 6 - broken;
            }
    return counted;
}

TEST(ExactTheory, FavourableCasesMatchTheCount) {
    const Counted counted = CountByDistinctPlates();
    const ExactTheory theory = EnumerateTheory();
    EXPECT_EQ(theory.equallyLikely, counted.choices);
    EXPECT_EQ(theory.equallyLikely, 216);
    const std::array<std::int32_t, 3> expected{6, 90, 120};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(theory.outcomes[i].platesBroken, static_cast<std::int32_t>(i) + 1);
        EXPECT_EQ(theory.outcomes[i].favourable, counted.byBroken[i + 1]);
        EXPECT_EQ(theory.outcomes[i].favourable, expected[i]);
    }
}

TEST(ExactTheory, FractionsAreInLowestTermsAndEqualTheCountedShare) {
    const Counted counted = CountByDistinctPlates();
    const ExactTheory theory = EnumerateTheory();
    const std::array<Fraction, 3> expected{Fraction{1, 36}, Fraction{5, 12}, Fraction{5, 9}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const Fraction p = theory.outcomes[i].probability;
        EXPECT_EQ(p, expected[i]);
        // p = favourable / 216, checked by cross-multiplication.
        EXPECT_EQ(p.numerator * counted.choices, counted.byBroken[i + 1] * p.denominator);
        EXPECT_DOUBLE_EQ(theory.outcomes[i].percent, counted.byBroken[i + 1] * 100.0 / 216);
    }
}

TEST(ExactTheory, MostProbableAndMeansMatchTheCount) {
    const Counted counted = CountByDistinctPlates();
    const ExactTheory theory = EnumerateTheory();
    EXPECT_EQ(theory.modalBroken, 3);
    EXPECT_EQ(theory.meanIntact, (Fraction{125, 36}));
    EXPECT_EQ(theory.meanIntact.numerator * counted.choices,
              counted.intactTotal * theory.meanIntact.denominator);
    EXPECT_EQ(theory.meanBroken, (Fraction{91, 36}));
    EXPECT_EQ(theory.meanBroken.numerator * counted.choices,
              (6 * counted.choices - counted.intactTotal) * theory.meanBroken.denominator);
}

TEST(ExactTheory, TheoryIsCountedOnceAndAgreesWithTheWindowsTheoreticalBoxes) {
    EXPECT_EQ(&Theory(), &Theory());
    const ResultTexts boxes = ComposeResults(RunTally{0, 1, 0, 4}, 1, kSpanishSymbols);
    // txtTeo1..3 are the last three boxes a run writes.
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(PercentText(Theory().outcomes[i].percent, kSpanishSymbols),
                  boxes[8 + i].text + "\u00A0%");
}

TEST(Fractions, ReducedToLowestTermsWithAPositiveDenominator) {
    struct Case {
        std::int64_t numerator, denominator;
        Fraction expected;
    };
    for (const Case& c : {Case{90, 216, {5, 12}}, Case{750, 216, {125, 36}}, Case{0, 216, {0, 1}},
                          Case{6, -216, {-1, 36}}, Case{7, 7, {1, 1}}}) {
        SCOPED_TRACE(std::to_string(c.numerator) + "/" + std::to_string(c.denominator));
        EXPECT_EQ(Reduced(c.numerator, c.denominator), c.expected);
    }
    EXPECT_EQ(FractionText(Fraction{125, 36}), "125/36");
}

}  // namespace
}  // namespace vesquin
