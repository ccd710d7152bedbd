// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trial_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace vesquin {
namespace {

RunRecord wholeRun(std::int32_t trials, std::uint64_t seed) {
    UniformSource source;
    const auto run =
        PerformRun(std::to_string(trials), source, kEnglishSymbols, kRunMaximumTrials, seed);
    return std::get<RunRecord>(run);
}

StepRun steppedBy(std::int32_t trials, std::uint64_t seed, std::int32_t stride) {
    StepRun steps(trials, seed);
    while (!steps.finished()) steps.Advance(stride);
    return steps;
}

TEST(StepRun, EndsOnTheTalliesAndCheckpointsOfTheWholeRun) {
    const std::uint64_t seeds[] = {0, 1, 7, 12345, 9007199254740991};
    const std::int32_t counts[] = {1, 15, 16, 17, 50, 101, 1000};
    const std::int32_t strides[] = {1, 10, 100};
    for (const std::uint64_t seed : seeds) {
        for (const std::int32_t trials : counts) {
            const RunRecord run = wholeRun(trials, seed);
            for (const std::int32_t stride : strides) {
                const StepRun steps = steppedBy(trials, seed, stride);
                const RunRecord record = steps.Record();
                EXPECT_EQ(AsRunTally(steps.tally()), run.tally)
                    << "seed " << seed << ", " << trials << " trials by " << stride;
                EXPECT_EQ(record.checkpoints, run.checkpoints)
                    << "seed " << seed << ", " << trials << " trials by " << stride;
                EXPECT_EQ(record.trials, run.trials);
                EXPECT_EQ(record.seed, seed);
            }
        }
    }
}

TEST(StepRun, ShowsTheChoicesTheEngineDrewForEachTrial) {
    for (const std::uint64_t seed : {3ull, 4242ull}) {
        UniformSource source(seed);
        StepRun steps(40, seed);
        for (std::int32_t trial = 0; trial < 40; ++trial) {
            const std::size_t lane = static_cast<std::size_t>(trial) % UniformSource::kLanes;
            const int c1 = PlateFor(source.next(lane));
            const int c2 = PlateFor(source.next(lane));
            const int c3 = PlateFor(source.next(lane));
            const std::vector<TrialStep> one = steps.Advance(1);
            ASSERT_EQ(one.size(), 1u);
            EXPECT_EQ(one[0].trial, trial + 1);
            EXPECT_EQ(one[0].choices, (std::vector<std::int32_t>{c1, c2, c3})) << trial;
            const int outcome = static_cast<int>(Classify(static_cast<std::uint8_t>(c1),
                                                          static_cast<std::uint8_t>(c2),
                                                          static_cast<std::uint8_t>(c3)));
            EXPECT_EQ(one[0].broken, outcome + 1);
            EXPECT_EQ(one[0].intact, 6 - one[0].broken);
        }
    }
}

TEST(StepRun, StopsAtItsCountAndKeepsOnlyTheLastTrials) {
    StepRun steps(25, 9);
    EXPECT_EQ(steps.Advance(10).size(), 10u);
    EXPECT_EQ(steps.Advance(100).size(), 15u);
    EXPECT_TRUE(steps.finished());
    EXPECT_TRUE(steps.Advance(1).empty());
    EXPECT_EQ(steps.done(), 25);
    ASSERT_EQ(steps.recent().size(), StepRun::kKeptSteps);
    EXPECT_EQ(steps.recent().front().trial, 25 - static_cast<int>(StepRun::kKeptSteps) + 1);
    EXPECT_EQ(steps.recent().back().trial, 25);
    EXPECT_TRUE(steps.Advance(-3).empty());
}

TEST(StepRun, TalliesEveryNumberBrokenForOtherExperiments) {
    struct Case {
        std::int32_t shooters, plates;
    };
    for (const auto [shooters, plates] : {Case{1, 1}, Case{2, 6}, Case{5, 3}, Case{4, 10}}) {
        StepRun steps(200, 11, shooters, plates);
        const std::vector<TrialStep> all = steps.Advance(200);
        std::int64_t intact = 0;
        for (const TrialStep& step : all) {
            ASSERT_EQ(step.choices.size(), static_cast<std::size_t>(shooters));
            for (const std::int32_t plate : step.choices) {
                EXPECT_GE(plate, 1);
                EXPECT_LE(plate, plates);
            }
            EXPECT_GE(step.broken, 1);
            EXPECT_LE(step.broken, std::min(shooters, plates));
            intact += step.intact;
        }
        std::int32_t counted = 0;
        for (const std::int32_t count : steps.tally().counts) counted += count;
        EXPECT_EQ(counted, 200);
        EXPECT_EQ(steps.tally().intactTotal, intact);
    }
}

TEST(PlateOf, DrawsSixPlatesExactlyAsTheTrialLoop) {
    // 6r = 4 − 2^-22 sums to 5 in single precision: the floor of 6r alone would say 4.
    const std::uint32_t edges[] = {0u,          0xFFu,      11184810u << 8, 11184811u << 8,
                                   0x80000000u, 0xFFFFFFFFu};
    for (const std::uint32_t bits : edges) {
        const float r = UniformSource::toUnit(bits);
        EXPECT_EQ(PlateOf(r, 6), PlateFor(r)) << bits;
    }
    EXPECT_EQ(PlateOf(UniformSource::toUnit(11184810u << 8), 6), 5);
    UniformSource source(5);
    for (int i = 0; i < 100000; ++i) {
        const float r = source.next();
        ASSERT_EQ(PlateOf(r, 6), PlateFor(r)) << r;
    }
    EXPECT_EQ(PlateOf(UniformSource::toUnit(0xFFFFFFFFu), 1000), 1000);
    EXPECT_EQ(PlateOf(0.0f, 1), 1);
}

}  // namespace
}  // namespace vesquin
