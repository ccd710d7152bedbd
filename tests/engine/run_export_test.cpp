// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_export.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "seed_text.h"
#include "uniform_source.h"

namespace vesquin {
namespace {

// 1000 trials, every count different so that a swapped field shows.
RunRecord SampleRecord() {
    RunRecord record;
    record.trials = 1000;
    record.seed = 9007199254740991;  // the largest seed: JSON readers keep it exact
    record.tally = RunTally{27, 416, 557, 3470};
    return record;
}

TEST(ExactMeanText, RoundsTheExactRatioToFourDecimalsHalfAwayFromZero) {
    struct Case {
        std::int64_t intact;
        std::int32_t trials;
        const char* text;
    };
    for (const Case& c : {
             Case{3470, 1000, "3.4700"},
             Case{2, 3, "0.6667"},      // 0.66666...
             Case{1, 3, "0.3333"},      // 0.33333...
             Case{1, 20000, "0.0001"},  // exactly half a ten-thousandth: up
             Case{1, 20001, "0.0000"},  // just under half
             Case{5, 1, "5.0000"},
             Case{0, 7, "0.0000"},
             Case{3472221, 1000000, "3.4722"},  // a million trials, the expected mean
             Case{std::numeric_limits<std::int32_t>::max(), kRunMaximumTrials, "5.0000"},
         }) {
        EXPECT_EQ(ExactMeanText(c.intact, c.trials), c.text) << c.intact << "/" << c.trials;
    }
}

TEST(RunJson, WritesEveryKeyInOrderWithPlainNumbers) {
    EXPECT_EQ(RunJson(SampleRecord(), "1.00"),
              "{\"version\":\"1.00\",\"ensayos\":1000,\"semilla\":9007199254740991,"
              "\"veces\":{\"uno\":27,\"dos\":416,\"tres\":557},"
              "\"porcentajes\":{\"uno\":2.70,\"dos\":41.60,\"tres\":55.70},"
              "\"teoricos\":{\"uno\":2.78,\"dos\":41.67,\"tres\":55.56},"
              "\"mas_probable\":3,\"intactos_media\":3,\"intactos_media_exacta\":3.4700}\n");
}

TEST(RunJson, GroupsNoDigitsAndPicksTheWindowsModalNumber) {
    RunRecord record;
    record.trials = 1000000;
    record.seed = 0;
    record.tally = RunTally{27000, 500000, 473000, 3500000};  // two beats three
    const std::string json = RunJson(record, "1.00");
    EXPECT_NE(json.find("\"ensayos\":1000000,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"veces\":{\"uno\":27000,\"dos\":500000,\"tres\":473000}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"mas_probable\":2,"), std::string::npos) << json;
    // 3.5 rounds half to even in the window; the exact mean keeps the half.
    EXPECT_NE(json.find("\"intactos_media\":4,\"intactos_media_exacta\":3.5000}"),
              std::string::npos)
        << json;
}

TEST(RunJson, EscapesTheVersionText) {
    const std::string json = RunJson(SampleRecord(), "1.0\"\\\n");
    EXPECT_EQ(json.rfind("{\"version\":\"1.0\\\"\\\\\\u000a\",\"ensayos\":", 0), 0u) << json;
}

TEST(RunCsv, WritesOneHeaderAndOneDataRowWithFlattenedNames) {
    EXPECT_EQ(RunCsv(SampleRecord(), "1.00"),
              "version,ensayos,semilla,veces_uno,veces_dos,veces_tres,porcentaje_uno,"
              "porcentaje_dos,porcentaje_tres,teorico_uno,teorico_dos,teorico_tres,mas_probable,"
              "intactos_media,intactos_media_exacta\n"
              "1.00,1000,9007199254740991,27,416,557,2.70,41.60,55.70,2.78,41.67,55.56,3,3,"
              "3.4700\n");
}

TEST(RunCsv, QuotesAFieldThatHoldsASeparator) {
    const std::string csv = RunCsv(SampleRecord(), "1,0\"");
    EXPECT_NE(csv.find("\n\"1,0\"\"\",1000,"), std::string::npos) << csv;
}

TEST(ReadSeed, TakesPlainDigitsUpToTheLargestSeed) {
    EXPECT_EQ(ReadSeed("0"), 0u);
    EXPECT_EQ(ReadSeed("12345"), 12345u);
    EXPECT_EQ(ReadSeed("007"), 7u);
    EXPECT_EQ(ReadSeed("9007199254740991"), kMaximumSeed);
    for (const char* bad : {"", "-1", "+1", " 1", "1 ", "1.000", "1,5", "0x10", "1e3", "abc",
                            "9007199254740992", "18446744073709551616", "99999999999999999999"}) {
        EXPECT_EQ(ReadSeed(bad), std::nullopt) << bad;
    }
}

TEST(SeedText, WritesPlainDigitsThatReadBack) {
    for (const std::uint64_t seed : {std::uint64_t{0}, std::uint64_t{1234567}, kMaximumSeed}) {
        EXPECT_EQ(ReadSeed(SeedText(seed)), seed);
    }
    EXPECT_EQ(SeedText(1234567), "1234567");
}

}  // namespace
}  // namespace vesquin
