// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulated frequencies against the theory, with fixed seeds so nothing flakes.
#include <gtest/gtest.h>

#include <cmath>

#include "trial_tally.h"

namespace vesquin {
namespace {

constexpr double kProbabilities[3] = {1.0 / 36, 15.0 / 36, 20.0 / 36};
constexpr double kChiSquare999With2Degrees = 13.816;

TEST(RunStatistics, AMillionTrialsMatchTheTheory) {
    constexpr std::int32_t kTrials = 1000000;
    for (const std::uint64_t seed : {1u, 2u, 3u, 20261208u}) {
        SCOPED_TRACE(seed);
        UniformSource source(seed);
        const RunTally tally = TallyTrials(kTrials, source);
        const std::int32_t observed[3] = {tally.oneCount, tally.twoCount, tally.threeCount};
        double chiSquare = 0;
        for (int outcome = 0; outcome < 3; ++outcome) {
            const double p = kProbabilities[outcome];
            const double expected = kTrials * p;
            const double standardDeviation = std::sqrt(kTrials * p * (1 - p));
            EXPECT_LT(std::fabs(observed[outcome] - expected), 5 * standardDeviation) << outcome;
            chiSquare += std::pow(observed[outcome] - expected, 2) / expected;
        }
        EXPECT_LT(chiSquare, kChiSquare999With2Degrees);
        // Mean intact plates: 125/36 = 3.4722, whose standard error here is 0.0005.
        EXPECT_NEAR(static_cast<double>(tally.intactTotal) / kTrials, 125.0 / 36, 0.003);
    }
}

TEST(RunStatistics, EachPlateIsPickedEquallyOften) {
    UniformSource source(5);
    constexpr int kDraws = 600000;
    int picked[7] = {};
    for (int i = 0; i < kDraws; ++i) ++picked[PlateFor(source.next())];
    double chiSquare = 0;
    for (int plate = 1; plate <= 6; ++plate) {
        chiSquare += std::pow(picked[plate] - kDraws / 6.0, 2) / (kDraws / 6.0);
    }
    EXPECT_LT(chiSquare, 20.515);  // the 0.999 quantile with 5 degrees of freedom
}

}  // namespace
}  // namespace vesquin
