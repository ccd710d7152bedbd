// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trial_steps.h"

#include "experiment_record.h"

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

TEST(StepRun, StepsOtherExperimentsAsTheirWholeRuns) {
    struct Case {
        std::int32_t shooters, plates;
    };
    // The smallest and largest sizes, and plates counts where the largest draw rounds up.
    const Case cases[] = {{1, 2}, {2, 6}, {5, 3}, {4, 8}, {10, 16}, {10, 20}, {3, 6}};
    for (const auto [shooters, plates] : cases) {
        const Experiment experiment = std::get<Experiment>(Experiment::Make(shooters, plates));
        for (const std::uint64_t seed : {2ull, 31337ull}) {
            UniformSource source(seed);
            const ExperimentTally whole =
                TallyExperiment(experiment, 333, source, SupportedVectorUnits().back());
            StepRun steps(333, seed, experiment);
            std::int64_t intact = 0;
            while (!steps.finished()) {
                for (const TrialStep& step : steps.Advance(10)) {
                    ASSERT_EQ(step.choices.size(), static_cast<std::size_t>(shooters));
                    for (const std::int32_t plate : step.choices) {
                        EXPECT_GE(plate, 1);
                        EXPECT_LE(plate, plates);
                    }
                    EXPECT_EQ(step.broken + step.intact, plates);
                    intact += step.intact;
                }
            }
            EXPECT_EQ(AsExperimentTally(steps.tally()), whole) << shooters << " x " << plates;
            EXPECT_EQ(steps.tally().intactTotal, intact);
        }
    }
}

// The record a step run of any experiment hands the history is the whole run's,
// checkpoints and all, whether it went one, ten or a hundred trials at a time.
TEST(StepRun, RecordsOtherExperimentsAsTheirWholeRunsWithTheSameSeed) {
    struct Case {
        std::int32_t shooters, plates, trials;
    };
    const Case cases[] = {{4, 8, 250}, {10, 20, 137}, {2, 2, 64}, {7, 3, 1000}};
    for (const auto [shooters, plates, trials] : cases) {
        const Experiment experiment = std::get<Experiment>(Experiment::Make(shooters, plates));
        for (const std::uint64_t seed : {5ull, 2024ull, 987654321ull}) {
            UniformSource source;
            const auto whole = std::get<ExperimentRecord>(PerformExperimentRun(
                experiment, std::to_string(trials), source, kEnglishSymbols, kRunMaximumTrials,
                seed));
            for (const std::int32_t stride : {1, 10, 100}) {
                StepRun steps(trials, seed, experiment);
                while (!steps.finished()) steps.Advance(stride);
                EXPECT_EQ(steps.GeneralRecord(), whole)
                    << shooters << " x " << plates << ", seed " << seed << ", by " << stride;
            }
        }
    }
}

TEST(StepRun, ARunStoppedEarlyEndsItsRecordWhereItStopped) {
    const Experiment experiment = std::get<Experiment>(Experiment::Make(4, 8));
    StepRun steps(500, 77, experiment);
    steps.Advance(37);
    const ExperimentRecord record = steps.GeneralRecord();
    EXPECT_EQ(record.experiment, experiment);
    EXPECT_EQ(record.trials, 37);
    ASSERT_FALSE(record.checkpoints.empty());
    EXPECT_EQ(record.checkpoints.back().trials, 37);
    EXPECT_EQ(record.checkpoints.back().tally, record.tally);
    for (std::size_t i = 1; i < record.checkpoints.size(); ++i)
        EXPECT_LT(record.checkpoints[i - 1].trials, record.checkpoints[i].trials);
    UniformSource source;
    const auto first37 = std::get<ExperimentRecord>(
        PerformExperimentRun(experiment, "37", source, kEnglishSymbols, kRunMaximumTrials, 77));
    EXPECT_EQ(record.tally, first37.tally);
}

}  // namespace
}  // namespace vesquin
