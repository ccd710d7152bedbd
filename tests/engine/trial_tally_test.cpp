// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trial_tally.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesquin {
namespace {

TEST(Classify, CountsDistinctPlatesInTheTestedOrder) {
    struct Case {
        std::uint8_t c1, c2, c3;
        TrialOutcome expected;
    };
    const Case cases[] = {
        {4, 4, 4, TrialOutcome::OnePlate},    {1, 1, 2, TrialOutcome::TwoPlates},
        {1, 2, 1, TrialOutcome::TwoPlates},   {2, 1, 1, TrialOutcome::TwoPlates},
        {1, 2, 3, TrialOutcome::ThreePlates}, {6, 5, 4, TrialOutcome::ThreePlates},
    };
    for (const auto& [c1, c2, c3, expected] : cases) {
        EXPECT_EQ(Classify(c1, c2, c3), expected) << int(c1) << int(c2) << int(c3);
    }
}

// The trials the plain way, one trial after another, each from its own lane in turn.
RunTally scalarTally(std::int32_t trials, UniformSource& source) {
    RunTally tally;
    for (std::int32_t trial = 0; trial < trials; ++trial) {
        const std::size_t lane = static_cast<std::size_t>(trial) % UniformSource::kLanes;
        const std::uint8_t c1 = PlateFor(source.next(lane));
        const std::uint8_t c2 = PlateFor(source.next(lane));
        const std::uint8_t c3 = PlateFor(source.next(lane));
        switch (Classify(c1, c2, c3)) {
            case TrialOutcome::OnePlate:
                ++tally.oneCount, tally.intactTotal += 5;
                break;
            case TrialOutcome::TwoPlates:
                ++tally.twoCount, tally.intactTotal += 4;
                break;
            case TrialOutcome::ThreePlates:
                ++tally.threeCount, tally.intactTotal += 3;
                break;
        }
    }
    return tally;
}

TEST(TallyTrials, MatchesThePlainLoopTrialForTrial) {
    std::vector<std::int32_t> counts;
    for (std::int32_t n = 0; n <= 40; ++n) counts.push_back(n);
    const auto lanes = static_cast<std::int32_t>(UniformSource::kLanes);
    for (std::int32_t multiple : {4, 16, 63}) {
        for (std::int32_t delta : {-1, 0, 1}) counts.push_back(multiple * lanes + delta);
    }
    counts.push_back(100003);
    for (const VectorUnit unit : SupportedVectorUnits()) {
        SCOPED_TRACE("vector unit " + std::to_string(static_cast<int>(unit)));
        for (const std::int32_t n : counts) {
            UniformSource vectorised(n + 1000), plain(n + 1000);
            EXPECT_EQ(TallyTrials(n, vectorised, unit), scalarTally(n, plain)) << n << " trials";
            // Both leave every lane at the same place, so the next run continues alike.
            for (std::size_t lane = 0; lane < UniformSource::kLanes; ++lane) {
                EXPECT_EQ(vectorised.next(lane), plain.next(lane)) << n << " trials, lane " << lane;
            }
        }
    }
}

TEST(TallyTrials, OutcomesAddUpToTheTrialsAndTheIntactPlatesToTheirSum) {
    UniformSource source(99);
    for (const std::int32_t n : {1, 2, 17, 1000, 123457}) {
        const RunTally tally = TallyTrials(n, source);
        EXPECT_EQ(tally.oneCount + tally.twoCount + tally.threeCount, n);
        EXPECT_EQ(tally.intactTotal,
                  5 * tally.oneCount + 4 * tally.twoCount + 3 * tally.threeCount);
    }
    EXPECT_EQ(TallyTrials(0, source), RunTally{});
    EXPECT_EQ(TallyTrials(-5, source), RunTally{});
}

}  // namespace
}  // namespace vesquin
