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

TEST(TallyTrials, CheckpointsHoldTheTalliesOfTheFirstTrials) {
    for (const std::int32_t trials : {1, 15, 16, 17, 100, 1000, 100003}) {
        const std::vector<std::int32_t> checkpoints = CheckpointTrials(trials);
        for (const VectorUnit unit : SupportedVectorUnits()) {
            SCOPED_TRACE("vector unit " + std::to_string(static_cast<int>(unit)) + ", " +
                         std::to_string(trials) + " trials");
            UniformSource source(trials * 7 + 3);
            std::vector<TallyAt> recorded;
            const RunTally whole = TallyTrials(trials, source, unit, checkpoints, recorded);
            ASSERT_EQ(recorded.size(), checkpoints.size());
            for (std::size_t i = 0; i < recorded.size(); ++i) {
                UniformSource firstTrials(trials * 7 + 3);
                EXPECT_EQ(recorded[i].trials, checkpoints[i]);
                EXPECT_EQ(recorded[i].tally, scalarTally(checkpoints[i], firstTrials))
                    << "after " << checkpoints[i] << " trials";
            }
            EXPECT_EQ(recorded.back().tally, whole);
            // Recording draws nothing extra: the run is the one TallyTrials performs alone.
            UniformSource unrecorded(trials * 7 + 3);
            EXPECT_EQ(whole, TallyTrials(trials, unrecorded, unit));
            for (std::size_t lane = 0; lane < UniformSource::kLanes; ++lane)
                EXPECT_EQ(source.next(lane), unrecorded.next(lane)) << "lane " << lane;
        }
    }
}

TEST(CheckpointTrials, TwentyADecadeEvenlyInLogThenTheLastTrial) {
    EXPECT_EQ(CheckpointTrials(0), std::vector<std::int32_t>{});
    EXPECT_EQ(CheckpointTrials(1), std::vector<std::int32_t>{1});
    EXPECT_EQ(CheckpointTrials(10), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(CheckpointTrials(30),
              (std::vector<std::int32_t>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                         11, 13, 14, 16, 18, 20, 22, 25, 28, 30}));
    const std::vector<std::int32_t> million = CheckpointTrials(1'000'000);
    EXPECT_EQ(million.back(), 1'000'000);
    // The first decade's twenty steps round to only 1 to 9; each later decade has
    // its twenty, from 10 up to 891.251, and then the last trial.
    EXPECT_EQ(million.size(), 9u + 5 * 20 + 1);
    for (std::size_t i = 1; i < million.size(); ++i) EXPECT_LT(million[i - 1], million[i]);
    const std::vector<std::int32_t> odd = CheckpointTrials(123457);
    EXPECT_EQ(odd.back(), 123457);
    EXPECT_LT(odd[odd.size() - 2], 123457);
}

TEST(ModalBroken, TheOutcomeCountedMostOftenWithTiesToTheLarger) {
    struct Case {
        std::int32_t one, two, three, modal;
    };
    const Case cases[] = {
        {1, 0, 0, 1}, {0, 1, 0, 2}, {0, 0, 1, 3}, {3, 1, 1, 1}, {1, 3, 1, 2}, {1, 1, 3, 3},
        {2, 2, 0, 2}, {2, 0, 2, 3}, {0, 2, 2, 3}, {2, 2, 2, 3}, {0, 0, 0, 3}, {5, 4, 5, 3},
    };
    for (const auto& [one, two, three, modal] : cases) {
        EXPECT_EQ(ModalBroken(RunTally{one, two, three, 0}), modal)
            << one << "/" << two << "/" << three;
    }
}

}  // namespace
}  // namespace vesquin
