// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "experiment_tally.h"

#include <gtest/gtest.h>

#include <bitset>
#include <optional>
#include <string>
#include <vector>

namespace vesquin {
namespace {

Experiment Make(std::int32_t shooters, std::int32_t plates) {
    return std::get<Experiment>(Experiment::Make(shooters, plates));
}

TEST(Experiment, FactoryChecksTheLimitsShootersFirst) {
    struct Case {
        std::int32_t shooters, plates;
        std::optional<ExperimentFailure> failure;
    };
    const Case cases[] = {
        {1, 2, {}},
        {10, 20, {}},
        {4, 8, {}},
        {0, 6, ExperimentFailure::FewerShootersThanOne},
        {-3, 6, ExperimentFailure::FewerShootersThanOne},
        {11, 6, ExperimentFailure::MoreShootersThanTen},
        {3, 1, ExperimentFailure::FewerPlatesThanTwo},
        {3, 21, ExperimentFailure::MorePlatesThanTwenty},
        {0, 0, ExperimentFailure::FewerShootersThanOne},
        {11, 21, ExperimentFailure::MoreShootersThanTen},
    };
    for (const auto& [shooters, plates, failure] : cases) {
        const auto made = Experiment::Make(shooters, plates);
        if (failure) {
            ASSERT_TRUE(std::holds_alternative<ExperimentFailure>(made))
                << shooters << "x" << plates;
            EXPECT_EQ(std::get<ExperimentFailure>(made), *failure) << shooters << "x" << plates;
        } else {
            ASSERT_TRUE(std::holds_alternative<Experiment>(made)) << shooters << "x" << plates;
            EXPECT_EQ(std::get<Experiment>(made).shooters(), shooters);
            EXPECT_EQ(std::get<Experiment>(made).plates(), plates);
        }
    }
}

TEST(Experiment, FailuresHaveStableNamesAndSpanishMessages) {
    struct Case {
        ExperimentFailure failure;
        std::string_view name;
        std::string message;
    };
    const Case cases[] = {
        {ExperimentFailure::FewerShootersThanOne, "FewerShootersThanOne",
         "El número de tiradores ha de ser un número entero entre 1 y 10."},
        {ExperimentFailure::MoreShootersThanTen, "MoreShootersThanTen",
         "El número de tiradores ha de ser un número entero entre 1 y 10."},
        {ExperimentFailure::FewerPlatesThanTwo, "FewerPlatesThanTwo",
         "El número de platos ha de ser un número entero entre 2 y 20."},
        {ExperimentFailure::MorePlatesThanTwenty, "MorePlatesThanTwenty",
         "El número de platos ha de ser un número entero entre 2 y 20."},
    };
    for (const auto& [failure, name, message] : cases) {
        EXPECT_EQ(ExperimentFailureName(failure), name);
        EXPECT_EQ(ExperimentFailureMessage(failure), message);
    }
}

TEST(Experiment, SizesFollowShootersAndPlates) {
    EXPECT_EQ(Experiment::Classic(), Make(3, 6));
    EXPECT_TRUE(Make(3, 6).isClassic());
    EXPECT_FALSE(Make(6, 3).isClassic());
    EXPECT_EQ(Make(3, 6).equallyLikely(), 216u);
    EXPECT_EQ(Make(10, 20).equallyLikely(), 10'240'000'000'000u);
    EXPECT_EQ(Make(1, 2).equallyLikely(), 2u);
    EXPECT_EQ(Make(3, 6).mostBroken(), 3);
    EXPECT_EQ(Make(10, 4).mostBroken(), 4);
    EXPECT_EQ(Make(1, 20).mostBroken(), 1);
}

TEST(PlateFor, StaysWithinOneToPlatesAndAgreesWithTheWindowsRule) {
    const float largest = UniformSource::toUnit(0xFFFFFFFFu);
    for (std::int32_t plates = kFewestPlates; plates <= kMostPlates; ++plates) {
        EXPECT_EQ(PlateFor(0.0f, plates), 1) << plates;
        // floor(plates * r + 1) grows with r, so the largest draw bounds them all; for
        // 2, 4, 8 and 16 plates plates * r + 1 rounds up to plates + 1 there.
        EXPECT_EQ(PlateFor(largest, plates), plates) << plates;
        EXPECT_EQ(PlateFor(UniformSource::toUnit(0xFFFFFE00u), plates), plates) << plates;
    }
    for (std::uint32_t bits = 0; bits < 0x01000000u; bits += 997) {
        const float r = UniformSource::toUnit(bits << 8);
        EXPECT_EQ(PlateFor(r, 6), PlateFor(r)) << bits;
    }
}

TEST(ModalBroken, TiesGoToTheLargerNumber) {
    struct Case {
        std::vector<std::int32_t> counts;
        std::int32_t modal;
    };
    const Case cases[] = {
        {{2, 5, 5}, 3}, {{9, 5, 5}, 1},    {{5, 9, 5}, 2},    {{0, 0, 0}, 3},
        {{7}, 1},       {{1, 4, 4, 2}, 3}, {{3, 1, 2, 3}, 4}, {{}, 0},
    };
    for (const auto& [counts, modal] : cases) {
        EXPECT_EQ(ModalBroken(ExperimentTally{counts, 0}), modal)
            << ::testing::PrintToString(counts);
    }
}

// The trials the plain way: trial after trial, each shooter's plate from the
// trial's lane, the different plates counted with a std::bitset.
ExperimentTally plainTally(const Experiment& experiment, std::int32_t trials,
                           UniformSource& source) {
    ExperimentTally tally = EmptyTally(experiment);
    for (std::int32_t trial = 0; trial < trials; ++trial) {
        const std::size_t lane = static_cast<std::size_t>(trial) % UniformSource::kLanes;
        std::bitset<32> hit;
        for (std::int32_t shooter = 0; shooter < experiment.shooters(); ++shooter) {
            const std::int32_t plate = PlateFor(source.next(lane), experiment.plates());
            EXPECT_GE(plate, 1);
            EXPECT_LE(plate, experiment.plates());
            hit.set(static_cast<std::size_t>(plate));
        }
        const auto broken = static_cast<std::int32_t>(hit.count());
        ++tally.brokenCounts[static_cast<std::size_t>(broken - 1)];
        tally.intactTotal += experiment.plates() - broken;
    }
    return tally;
}

std::vector<std::int32_t> trialCounts() {
    std::vector<std::int32_t> counts;
    for (std::int32_t n = 0; n <= 35; ++n) counts.push_back(n);
    for (std::int32_t multiple : {4, 63}) {
        for (std::int32_t delta : {-1, 0, 1}) counts.push_back(multiple * 16 + delta);
    }
    counts.push_back(10007);
    return counts;
}

const std::pair<std::int32_t, std::int32_t> kExperiments[] = {
    {1, 2}, {1, 20}, {2, 2}, {2, 20}, {3, 6}, {4, 8}, {5, 3}, {6, 6}, {7, 13}, {10, 2}, {10, 20},
};

TEST(TallyExperiment, EveryVectorUnitMatchesThePlainLoop) {
    for (const auto& [shooters, plates] : kExperiments) {
        const Experiment experiment = Make(shooters, plates);
        for (const std::int32_t trials : trialCounts()) {
            UniformSource plainSource(trials * 31 + shooters);
            const ExperimentTally expected = plainTally(experiment, trials, plainSource);
            for (const VectorUnit unit : SupportedVectorUnits()) {
                for (const bool bitSet : {false, true}) {
                    UniformSource source(trials * 31 + shooters);
                    std::vector<ExperimentTallyAt> none;
                    const ExperimentTally tally =
                        bitSet ? TallyExperimentBitSet(experiment, trials, source, unit, {}, none)
                               : TallyExperiment(experiment, trials, source, unit);
                    EXPECT_EQ(tally, expected) << shooters << "x" << plates << " trials " << trials
                                               << " unit " << int(unit) << " bit set " << bitSet;
                    // The source goes on exactly where the plain loop left it.
                    UniformSource after = plainSource;
                    for (std::size_t lane = 0; lane < UniformSource::kLanes; ++lane) {
                        EXPECT_EQ(source.next(lane), after.next(lane)) << lane;
                    }
                }
            }
        }
    }
}

TEST(TallyExperiment, CountsAddUpToTheTrials) {
    for (const auto& [shooters, plates] : kExperiments) {
        const Experiment experiment = Make(shooters, plates);
        UniformSource source(7);
        const ExperimentTally tally = TallyExperiment(experiment, 5000, source, WidestVectorUnit());
        std::int64_t trials = 0, intact = 0;
        for (std::size_t j = 0; j < tally.brokenCounts.size(); ++j) {
            trials += tally.brokenCounts[j];
            intact += std::int64_t{tally.brokenCounts[j]} * (plates - std::int32_t(j) - 1);
        }
        EXPECT_EQ(trials, 5000) << shooters << "x" << plates;
        EXPECT_EQ(tally.intactTotal, intact) << shooters << "x" << plates;
        EXPECT_EQ(tally.brokenCounts.size(), std::size_t(experiment.mostBroken()));
    }
}

TEST(TallyExperiment, ThreeShootersAndSixPlatesRepeatTheWindowsRuns) {
    const Experiment classic = Experiment::Classic();
    for (const std::uint64_t seed : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{42},
                                     std::uint64_t{20261209}, kMaximumSeed}) {
        for (const std::int32_t trials : {1, 17, 1000, 100003}) {
            const std::vector<std::int32_t> checkpoints = CheckpointTrials(trials);
            UniformSource windowSource(seed);
            std::vector<TallyAt> windowAt;
            const RunTally window =
                TallyTrials(trials, windowSource, VectorUnit::Portable, checkpoints, windowAt);
            for (const VectorUnit unit : SupportedVectorUnits()) {
                for (const bool bitSet : {false, true}) {
                    UniformSource source(seed);
                    std::vector<ExperimentTallyAt> at;
                    const ExperimentTally tally =
                        bitSet
                            ? TallyExperimentBitSet(classic, trials, source, unit, checkpoints, at)
                            : TallyExperiment(classic, trials, source, unit, checkpoints, at);
                    EXPECT_EQ(tally, GeneralTally(window)) << seed << " " << trials;
                    ASSERT_EQ(at.size(), windowAt.size());
                    for (std::size_t i = 0; i < at.size(); ++i) {
                        EXPECT_EQ(at[i].trials, windowAt[i].trials);
                        EXPECT_EQ(at[i].tally, GeneralTally(windowAt[i].tally))
                            << seed << " " << trials << " unit " << int(unit) << " at "
                            << at[i].trials;
                    }
                }
            }
        }
    }
}

TEST(TallyExperiment, CheckpointsMatchThePlainLoopOnEveryUnit) {
    for (const auto& [shooters, plates] : kExperiments) {
        const Experiment experiment = Make(shooters, plates);
        const std::int32_t trials = 2500;
        const std::vector<std::int32_t> checkpoints = CheckpointTrials(trials);
        std::vector<ExperimentTally> expected;
        for (const std::int32_t checkpoint : checkpoints) {
            UniformSource plainSource(99);
            expected.push_back(plainTally(experiment, checkpoint, plainSource));
        }
        for (const VectorUnit unit : SupportedVectorUnits()) {
            UniformSource source(99);
            std::vector<ExperimentTallyAt> at;
            const ExperimentTally tally =
                TallyExperiment(experiment, trials, source, unit, checkpoints, at);
            ASSERT_EQ(at.size(), checkpoints.size());
            for (std::size_t i = 0; i < at.size(); ++i) {
                EXPECT_EQ(at[i].trials, checkpoints[i]);
                EXPECT_EQ(at[i].tally, expected[i]) << shooters << "x" << plates << " unit "
                                                    << int(unit) << " at " << checkpoints[i];
            }
            EXPECT_EQ(tally, expected.back());
        }
    }
}

TEST(TallyExperiment, TheLargestDrawStaysOnTheLastPlateOnEveryUnit) {
    // Every lane's first draw is made the largest there is, 1 - 2^-24, where
    // plates * r + 1 rounds up to plates + 1 for 2, 4, 8 and 16 plates; a second
    // shooter on the last plate then shares it, and a kernel that let the first one
    // reach plates + 1 would count two plates broken.
    for (const std::int32_t plates : {2, 4, 8, 16, 6, 20}) {
        const Experiment experiment = Make(2, plates);
        UniformSource prepared(plates);
        UniformSource::LaneState& lanes = prepared.lanes();
        for (std::size_t lane = 0; lane < UniformSource::kLanes; ++lane) {
            lanes.s0[lane] = 0xFFFFFFFFu - lanes.s3[lane];
        }
        std::int32_t sharedLast = 0;
        UniformSource probe = prepared;
        for (std::size_t lane = 0; lane < UniformSource::kLanes; ++lane) {
            EXPECT_EQ(PlateFor(probe.next(lane), plates), plates);
            sharedLast += PlateFor(probe.next(lane), plates) == plates;
        }
        if ((plates & (plates - 1)) == 0) {
            ASSERT_GT(sharedLast, 0) << plates;
        }
        UniformSource plainSource = prepared;
        const ExperimentTally expected = plainTally(experiment, 48, plainSource);
        // The first 16 trials are the prepared draws: at least those lanes broke one plate.
        EXPECT_GE(expected.brokenCounts[0], sharedLast) << plates;
        for (const VectorUnit unit : SupportedVectorUnits()) {
            UniformSource source = prepared;
            std::vector<ExperimentTallyAt> none;
            EXPECT_EQ(TallyExperimentBitSet(experiment, 48, source, unit, {}, none), expected)
                << plates << " plates, unit " << int(unit);
        }
    }
}

TEST(TallyExperiment, NoTrialsGiveAnEmptyTallyOfTheRightSize) {
    UniformSource source(5);
    for (const std::int32_t trials : {0, -1}) {
        const ExperimentTally tally =
            TallyExperiment(Make(4, 8), trials, source, WidestVectorUnit());
        EXPECT_EQ(tally, (ExperimentTally{{0, 0, 0, 0}, 0}));
    }
    EXPECT_EQ(MeanIntact(ExperimentTally{{1, 1}, 7}, 2), 3.5);
}

}  // namespace
}  // namespace vesquin
