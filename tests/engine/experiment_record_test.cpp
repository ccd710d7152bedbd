// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "experiment_record.h"

#include <gtest/gtest.h>

namespace vesquin {
namespace {

TEST(PerformExperimentRun, ThreeShootersAndSixPlatesRecordTheWindowsRun) {
    for (const std::string_view count : {"1", "1.000", "3,5", "12.345"}) {
        UniformSource windowSource, source;
        const auto window = PerformRun(count, windowSource, kSpanishSymbols, 1'000'000, 42);
        const auto record = PerformExperimentRun(Experiment::Classic(), count, source,
                                                 kSpanishSymbols, 1'000'000, 42);
        ASSERT_TRUE(std::holds_alternative<RunRecord>(window));
        ASSERT_TRUE(std::holds_alternative<ExperimentRecord>(record));
        const RunRecord& expected = std::get<RunRecord>(window);
        const ExperimentRecord& got = std::get<ExperimentRecord>(record);
        EXPECT_EQ(got.trials, expected.trials) << count;
        EXPECT_EQ(got.seed, 42u);
        EXPECT_EQ(got.tally, GeneralTally(expected.tally)) << count;
        ASSERT_EQ(got.checkpoints.size(), expected.checkpoints.size());
        for (std::size_t i = 0; i < got.checkpoints.size(); ++i) {
            EXPECT_EQ(got.checkpoints[i].trials, expected.checkpoints[i].trials);
            EXPECT_EQ(got.checkpoints[i].tally, GeneralTally(expected.checkpoints[i].tally));
        }
    }
}

TEST(PerformExperimentRun, OtherExperimentsRepeatForTheSameSeed) {
    const Experiment experiment = std::get<Experiment>(Experiment::Make(4, 8));
    UniformSource first, second;
    const auto a = PerformExperimentRun(experiment, "1000", first, kSpanishSymbols, 1'000'000, 7);
    const auto b = PerformExperimentRun(experiment, "1.000", second, kSpanishSymbols, 1'000'000, 7);
    ASSERT_TRUE(std::holds_alternative<ExperimentRecord>(a));
    EXPECT_EQ(a, b);
    const ExperimentRecord& record = std::get<ExperimentRecord>(a);
    EXPECT_EQ(record.experiment, experiment);
    EXPECT_EQ(record.tally.brokenCounts.size(), 4u);
    EXPECT_EQ(record.checkpoints.back().trials, 1000);
    EXPECT_EQ(record.checkpoints.back().tally, record.tally);
}

TEST(PerformExperimentRun, CountsAreReadWithTheWindowsRules) {
    struct Case {
        std::string_view count;
        RunFailure failure;
    };
    const Case cases[] = {{"", RunFailure::EmptyCount},
                          {"abc", RunFailure::NotANumber},
                          {"0", RunFailure::FewerThanOne},
                          {"1.000.001", RunFailure::MoreThanMaximum}};
    const Experiment experiment = std::get<Experiment>(Experiment::Make(10, 20));
    for (const auto& [count, failure] : cases) {
        UniformSource source;
        const auto outcome =
            PerformExperimentRun(experiment, count, source, kSpanishSymbols, 1'000'000, 1);
        ASSERT_TRUE(std::holds_alternative<RunError>(outcome)) << count;
        EXPECT_EQ(std::get<RunError>(outcome), (RunError{failure, 1'000'000})) << count;
    }
}

}  // namespace
}  // namespace vesquin
