#include "experiment_run.h"

#include <gtest/gtest.h>

#include <map>
#include <variant>
#include <vector>

namespace vesquin {
namespace {

// Runs `countText` and records every box written, in order.
struct RecordedRun {
    std::optional<RunError> error;
    std::vector<std::pair<std::string, std::string>> writes;

    std::map<std::string, std::string> boxes() const { return {writes.begin(), writes.end()}; }
};

RecordedRun run(const std::string& countText, std::uint64_t seed = 1,
                const LocaleSymbols& symbols = kSpanishSymbols,
                std::int32_t maximum = kRunMaximumTrials) {
    RecordedRun recorded;
    UniformSource source(seed);
    recorded.error = ExperimentRun([&] { return countText; },
                                   [&](std::string_view box, const std::string& text) {
                                       recorded.writes.emplace_back(std::string(box), text);
                                   },
                                   source, symbols, maximum);
    return recorded;
}

std::int32_t countIn(const std::string& text) {
    return static_cast<std::int32_t>(*LocaleNumber(text, kSpanishSymbols));
}

TEST(ExperimentRun, WritesTheElevenBoxesInOrder) {
    const RecordedRun recorded = run("1000");
    ASSERT_EQ(recorded.error, std::nullopt);
    std::vector<std::string> order;
    for (const auto& write : recorded.writes) order.push_back(write.first);
    EXPECT_EQ(order, std::vector<std::string>(kResultBoxes.begin(), kResultBoxes.end()));
}

TEST(ExperimentRun, GroupedCountIsReadWithTheUserSymbols) {
    const auto boxes = run("1.000").boxes();
    EXPECT_EQ(countIn(boxes.at("txtS1")) + countIn(boxes.at("txtS2")) + countIn(boxes.at("txtS3")),
              1000);
    const auto english = run("1,000", 1, kEnglishSymbols).boxes();
    EXPECT_EQ(english.at("txtTeo1"), "2.78");
}

TEST(ExperimentRun, OneTrialShowsThatTrialAlone) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const auto boxes = run("1", seed).boxes();
        int ones = 0;
        for (const char* box : {"txtS1", "txtS2", "txtS3"}) {
            const std::string& count = boxes.at(box);
            ASSERT_TRUE(count == "0" || count == "1") << count;
            ones += count == "1";
            const std::string percentBox = std::string(box) + "p";
            EXPECT_EQ(boxes.at(percentBox), count == "1" ? "100,00" : "0,00");
        }
        EXPECT_EQ(ones, 1);
        // The intact plates of that trial, and the mode follows the only outcome.
        const std::string expectedMean = boxes.at("txtS1") == "1"   ? "5"
                                         : boxes.at("txtS2") == "1" ? "4"
                                                                    : "3";
        EXPECT_EQ(boxes.at("txtMed"), expectedMean);
        // The mode is the only outcome there was.
        const std::string expectedMode = boxes.at("txtS1") == "1"   ? "1"
                                         : boxes.at("txtS2") == "1" ? "2"
                                                                    : "3";
        EXPECT_EQ(boxes.at("txtS6"), expectedMode);
    }
}

TEST(ExperimentRun, CountsAddUpAndPercentagesAddUpToAHundred) {
    for (const char* count : {"2", "3,5", "2,5", "999", "12.345", "1000000"}) {
        SCOPED_TRACE(count);
        const std::int32_t trials = *HalfEvenRoundInt32(*LocaleNumber(count, kSpanishSymbols));
        const auto boxes = run(count).boxes();
        EXPECT_EQ(
            countIn(boxes.at("txtS1")) + countIn(boxes.at("txtS2")) + countIn(boxes.at("txtS3")),
            trials);
        const double percentTotal = *LocaleNumber(boxes.at("txtS1p"), kSpanishSymbols) +
                                    *LocaleNumber(boxes.at("txtS2p"), kSpanishSymbols) +
                                    *LocaleNumber(boxes.at("txtS3p"), kSpanishSymbols);
        EXPECT_NEAR(percentTotal, 100.0, 0.015);
        const std::string& mean = boxes.at("txtMed");
        EXPECT_TRUE(mean == "3" || mean == "4" || mean == "5") << mean;
        // The mode agrees with the counts beside it.
        const RunTally shown{countIn(boxes.at("txtS1")), countIn(boxes.at("txtS2")),
                             countIn(boxes.at("txtS3")), 0};
        EXPECT_EQ(boxes.at("txtS6"), std::to_string(ModalBroken(shown)));
    }
}

TEST(ExperimentRun, HalfTrialsRoundToEven) {
    const auto total = [](const std::map<std::string, std::string>& boxes) {
        return countIn(boxes.at("txtS1")) + countIn(boxes.at("txtS2")) + countIn(boxes.at("txtS3"));
    };
    EXPECT_EQ(total(run("3,5").boxes()), 4);
    EXPECT_EQ(total(run("2,5").boxes()), 2);
    EXPECT_EQ(total(run("0,5000001").boxes()), 1);
}

TEST(ExperimentRun, MillionTrialCountsAreGrouped) {
    const auto boxes = run("1000000").boxes();
    for (const char* box : {"txtS2", "txtS3"}) {
        EXPECT_EQ(boxes.at(box).size(), 7u) << boxes.at(box);  // six digits and one '.'
        EXPECT_EQ(boxes.at(box)[3], '.') << boxes.at(box);
    }
}

TEST(ExperimentRun, TheoreticalTextsNeverChange) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        for (const char* count : {"1", "10", "1.000"}) {
            const auto boxes = run(count, seed).boxes();
            EXPECT_EQ(boxes.at("txtTeo1"), "2,78");
            EXPECT_EQ(boxes.at("txtTeo2"), "41,67");
            EXPECT_EQ(boxes.at("txtTeo3"), "55,56");
        }
    }
}

TEST(ExperimentRun, ABadCountWritesNoBoxAndSaysWhy) {
    struct Case {
        const char* count;
        RunFailure failure;
    };
    const Case cases[] = {
        {"", RunFailure::EmptyCount},
        {"  \t", RunFailure::EmptyCount},
        {"abc", RunFailure::NotANumber},
        {"10 platos", RunFailure::NotANumber},
        {"1e3", RunFailure::NotANumber},
        {"1,2,3", RunFailure::NotANumber},
        {"0", RunFailure::FewerThanOne},
        {"-5", RunFailure::FewerThanOne},
        {"0,4", RunFailure::FewerThanOne},
        {",5", RunFailure::FewerThanOne},
        {"-99999999999", RunFailure::FewerThanOne},
        {"429.496.730", RunFailure::MoreThanMaximum},
        {"2147483648", RunFailure::MoreThanMaximum},
        {"1e400", RunFailure::NotANumber},
    };
    for (const auto& [count, failure] : cases) {
        const RecordedRun recorded = run(count);
        EXPECT_EQ(recorded.error, (RunError{failure, kRunMaximumTrials}))
            << "count '" << count << "'";
        EXPECT_TRUE(recorded.writes.empty()) << "count '" << count << "'";
    }
    const RecordedRun huge = run(std::string(400, '9'));
    EXPECT_EQ(huge.error, (RunError{RunFailure::MoreThanMaximum, kRunMaximumTrials}));
    EXPECT_TRUE(huge.writes.empty());
}

TEST(ExperimentRun, TheCallersMaximumHoldsUpToTheRunsOwn) {
    EXPECT_EQ(run("1.000.000", 1, kSpanishSymbols, 1000000).error, std::nullopt);
    EXPECT_EQ(run("1.000.001", 1, kSpanishSymbols, 1000000).error,
              (RunError{RunFailure::MoreThanMaximum, 1000000}));
    // A maximum beyond what the counters hold is capped.
    EXPECT_EQ(run("500.000.000", 1, kSpanishSymbols, INT32_MAX).error,
              (RunError{RunFailure::MoreThanMaximum, kRunMaximumTrials}));
}

TEST(PerformRun, RecordsTheSeedAndRepeatsFromIt) {
    UniformSource source;
    const auto first = PerformRun("1.000", source, kSpanishSymbols, kRunMaximumTrials);
    ASSERT_TRUE(std::holds_alternative<RunRecord>(first));
    const RunRecord& clockRun = std::get<RunRecord>(first);
    EXPECT_EQ(clockRun.trials, 1000);
    EXPECT_LE(clockRun.seed, kMaximumSeed);

    // The same count and seed give the same record, whatever the source drew before.
    const auto again =
        PerformRun("1000", source, kSpanishSymbols, kRunMaximumTrials, clockRun.seed);
    const RunRecord& repeated = std::get<RunRecord>(again);
    EXPECT_EQ(repeated.seed, clockRun.seed);
    EXPECT_EQ(repeated.tally, clockRun.tally);
    EXPECT_EQ(repeated.checkpoints, clockRun.checkpoints);

    const auto other =
        PerformRun("1000", source, kSpanishSymbols, kRunMaximumTrials, clockRun.seed + 1);
    EXPECT_NE(std::get<RunRecord>(other).tally, clockRun.tally);
}

TEST(PerformRun, KnownSeedsGiveKnownTallies) {
    // Pinned so that a change to the random source or the trial order, which would
    // make a seed written down in class give another run, cannot pass unnoticed.
    struct Case {
        const char* count;
        std::uint64_t seed;
        RunTally tally;
    };
    const Case cases[] = {
        {"10", 1, {0, 6, 4, 36}},
        {"1.000", 42, {24, 413, 563, 3461}},
        {"1.000.000", kMaximumSeed, {27517, 416378, 556105, 3471412}},
    };
    for (const auto& [count, seed, tally] : cases) {
        UniformSource source;
        const auto outcome = PerformRun(count, source, kSpanishSymbols, kRunMaximumTrials, seed);
        const RunRecord& record = std::get<RunRecord>(outcome);
        EXPECT_EQ(record.tally, tally)
            << count << " from seed " << seed << ": " << record.tally.oneCount << "/"
            << record.tally.twoCount << "/" << record.tally.threeCount;
    }
}

TEST(PerformRun, ABadCountPerformsNothing) {
    UniformSource source(7);
    const auto outcome = PerformRun("abc", source, kSpanishSymbols, 1'000'000, 5);
    ASSERT_TRUE(std::holds_alternative<RunError>(outcome));
    EXPECT_EQ(std::get<RunError>(outcome), (RunError{RunFailure::NotANumber, 1'000'000}));
    EXPECT_EQ(source.seed(), 7u);  // not reseeded
}

TEST(PerformRun, TheLastCheckpointIsTheWholeRun) {
    for (const char* count : {"1", "17", "1.000", "123.457"}) {
        UniformSource source;
        const RunRecord record =
            std::get<RunRecord>(PerformRun(count, source, kSpanishSymbols, kRunMaximumTrials));
        ASSERT_FALSE(record.checkpoints.empty());
        EXPECT_EQ(record.checkpoints.back(), (TallyAt{record.trials, record.tally})) << count;
        EXPECT_EQ(record.checkpoints.size(), CheckpointTrials(record.trials).size());
    }
}

TEST(ComposeResults, ModeIsTheOutcomeCountedMostOftenAndTheMeanRoundsHalfToEven) {
    struct Case {
        RunTally tally;
        std::int32_t trials;
        const char* mode;
        const char* mean;
    };
    const Case cases[] = {
        {{0, 1, 1, 7}, 2, "3", "4"},   // a tie gives 3; 3.5 intact rounds to 4
        {{0, 2, 1, 11}, 3, "2", "4"},  // 3.67
        {{1, 0, 1, 8}, 2, "3", "4"},   // one against three: the tie goes to 3; 4.0
        {{1, 1, 0, 9}, 2, "2", "4"},   // one against two: the tie goes to 2; 4.5 rounds to 4
        {{3, 0, 1, 18}, 4, "1", "4"},  // one plate counted most often; 4.5 again
        {{5, 0, 0, 25}, 5, "1", "5"},  // a run that only ever broke one plate
        {{1, 0, 0, 5}, 1, "1", "5"},   // a single trial that broke one plate
        {{2, 3, 0, 22}, 5, "2", "4"},  // 4.4
        {{0, 0, 4, 12}, 4, "3", "3"},
    };
    for (const auto& [tally, trials, mode, mean] : cases) {
        const ResultTexts texts = ComposeResults(tally, trials, kSpanishSymbols);
        EXPECT_EQ(texts[4].text, mode);
        EXPECT_EQ(texts[0].text, mean);
    }
    const ResultTexts texts = ComposeResults({1234, 567890, 1, 0}, 569125, kSpanishSymbols);
    EXPECT_EQ(texts[1].text, "1.234");
    EXPECT_EQ(texts[2].text, "567.890");
    EXPECT_EQ(texts[3].text, "1");
    EXPECT_EQ(texts[5].text, "0,22");
    EXPECT_EQ(texts[6].text, "99,78");
    EXPECT_EQ(texts[7].text, "0,00");
}

}  // namespace
}  // namespace vesquin
