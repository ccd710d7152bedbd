// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "experiment_theory.h"

#include <gtest/gtest.h>

#include <bit>
#include <numeric>
#include <vector>

namespace vesquin {
namespace {

Experiment Make(std::int32_t shooters, std::int32_t plates) {
    return std::get<Experiment>(Experiment::Make(shooters, plates));
}

// Every experiment whose n^k ordered choices can be walked one by one.
std::vector<Experiment> enumerable() {
    std::vector<Experiment> experiments;
    for (std::int32_t n = kFewestPlates; n <= kMostPlates; ++n) {
        for (std::int32_t k = kFewestShooters; k <= kMostShooters; ++k) {
            if (Make(k, n).equallyLikely() <= 1'000'000) experiments.push_back(Make(k, n));
        }
    }
    return experiments;
}

struct Enumerated {
    std::vector<std::int64_t> favourable;  // [j - 1]
    std::int64_t intactTotal = 0;
    std::int64_t choices = 0;
};

// Walks every ordered choice like an odometer, shooter 1 turning slowest.
Enumerated enumerate(const Experiment& experiment) {
    const auto k = static_cast<std::size_t>(experiment.shooters());
    const std::int32_t n = experiment.plates();
    Enumerated counted;
    counted.favourable.assign(static_cast<std::size_t>(experiment.mostBroken()), 0);
    std::vector<std::int32_t> choice(k, 1);
    for (;;) {
        std::uint32_t hit = 0;
        for (const std::int32_t plate : choice) hit |= 1u << plate;
        const int broken = std::popcount(hit);
        ++counted.favourable[static_cast<std::size_t>(broken - 1)];
        counted.intactTotal += n - broken;
        ++counted.choices;
        std::size_t digit = k;
        while (digit > 0 && choice[digit - 1] == n) choice[--digit] = 1;
        if (digit == 0) break;
        ++choice[digit - 1];
    }
    return counted;
}

TEST(ExperimentTheory, MatchesPlainEnumerationForEveryCountableExperiment) {
    const std::vector<Experiment> experiments = enumerable();
    EXPECT_EQ(experiments.size(), 114u);  // 10 x 2 and 10 x 3 up to 4 x 20 among them
    for (const Experiment& experiment : experiments) {
        const Enumerated counted = enumerate(experiment);
        const ExperimentTheory theory = TheoryOf(experiment);
        const std::string name =
            std::to_string(experiment.shooters()) + "x" + std::to_string(experiment.plates());
        EXPECT_EQ(theory.equallyLikely, counted.choices) << name;
        ASSERT_EQ(theory.broken.size(), counted.favourable.size()) << name;
        std::size_t modal = 0;
        for (std::size_t i = 0; i < counted.favourable.size(); ++i) {
            const BrokenTheory& outcome = theory.broken[i];
            EXPECT_EQ(outcome.platesBroken, std::int32_t(i) + 1) << name;
            EXPECT_EQ(outcome.favourable, counted.favourable[i]) << name << " j " << i + 1;
            EXPECT_EQ(outcome.probability, Reduced(counted.favourable[i], counted.choices)) << name;
            EXPECT_DOUBLE_EQ(outcome.percent, 100.0 * counted.favourable[i] / counted.choices);
            if (counted.favourable[i] >= counted.favourable[modal]) modal = i;
        }
        EXPECT_EQ(theory.modalBroken, std::int32_t(modal) + 1) << name;
        EXPECT_EQ(theory.meanIntact, Reduced(counted.intactTotal, counted.choices)) << name;
        EXPECT_EQ(
            theory.meanBroken,
            Reduced(experiment.plates() * counted.choices - counted.intactTotal, counted.choices))
            << name;
    }
}

TEST(ExperimentTheory, ProbabilitiesAddUpToExactlyOneForEveryExperiment) {
    for (std::int32_t k = kFewestShooters; k <= kMostShooters; ++k) {
        for (std::int32_t n = kFewestPlates; n <= kMostPlates; ++n) {
            const ExperimentTheory theory = TheoryOf(Make(k, n));
            std::int64_t favourable = 0, overCommon = 0;
            for (const BrokenTheory& outcome : theory.broken) {
                favourable += outcome.favourable;
                ASSERT_EQ(theory.equallyLikely % outcome.probability.denominator, 0)
                    << k << "x" << n;
                overCommon += outcome.probability.numerator *
                              (theory.equallyLikely / outcome.probability.denominator);
                EXPECT_EQ(std::gcd(outcome.probability.numerator, outcome.probability.denominator),
                          outcome.favourable == 0 ? outcome.probability.denominator : 1);
            }
            EXPECT_EQ(favourable, theory.equallyLikely) << k << "x" << n;
            EXPECT_EQ(overCommon, theory.equallyLikely) << k << "x" << n;
        }
    }
}

TEST(ExperimentTheory, ThreeShootersAndSixPlatesGiveTheWindowsTheory) {
    const ExperimentTheory theory = TheoryOf(Experiment::Classic());
    const ExactTheory& window = Theory();
    EXPECT_EQ(theory.equallyLikely, 216);
    ASSERT_EQ(theory.broken.size(), 3u);
    const std::int64_t favourable[] = {6, 90, 120};
    const Fraction probability[] = {{1, 36}, {5, 12}, {5, 9}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(theory.broken[i].favourable, favourable[i]);
        EXPECT_EQ(theory.broken[i].favourable, window.outcomes[i].favourable);
        EXPECT_EQ(theory.broken[i].probability, probability[i]);
        EXPECT_EQ(theory.broken[i].probability, window.outcomes[i].probability);
    }
    EXPECT_EQ(theory.broken[1].groupings, 3);
    EXPECT_EQ(theory.modalBroken, 3);
    EXPECT_EQ(theory.meanIntact, (Fraction{125, 36}));
    EXPECT_EQ(theory.meanBroken, (Fraction{91, 36}));
    EXPECT_EQ(theory.meanIntact, window.meanIntact);
}

TEST(ExperimentTheory, LargestExperimentStaysExactInSixtyFourBits) {
    const ExperimentTheory theory = TheoryOf(Make(10, 20));
    EXPECT_EQ(theory.equallyLikely, 10'240'000'000'000);
    EXPECT_EQ(theory.broken.back().favourable, 670'442'572'800);  // 20!/10!
    EXPECT_EQ(theory.broken[4].groupings, 42'525);
    // (19/20)^10 * 20 = 19^10 / 20^9, already in lowest terms.
    EXPECT_EQ(theory.meanIntact, (Fraction{6'131'066'257'801, 512'000'000'000}));
}

TEST(GroupingsOf, StirlingNumbersOfTheSecondKind) {
    struct Case {
        std::int32_t k, j;
        std::int64_t groupings;
    };
    const Case cases[] = {{1, 1, 1},   {3, 1, 1},  {3, 2, 3},   {3, 3, 1},
                          {4, 2, 7},   {5, 3, 25}, {7, 4, 350}, {10, 5, 42525},
                          {10, 10, 1}, {3, 4, 0},  {3, 0, 0},   {0, 0, 0}};
    for (const auto& [k, j, groupings] : cases)
        EXPECT_EQ(GroupingsOf(k, j), groupings) << k << "," << j;
    EXPECT_EQ(FallingProduct(6, 3), 120);
    EXPECT_EQ(FallingProduct(8, 0), 1);
    EXPECT_EQ(FallingProduct(20, 10), 670'442'572'800);
}

}  // namespace
}  // namespace vesquin
