// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chance_margin.h"

#include <gtest/gtest.h>

namespace vesquin {
namespace {

TEST(ChanceBand, FollowsTheFormulaAndStaysWithinZeroAndOne) {
    struct Case {
        double p;
        std::int32_t n;
        double half, low, high;
    };
    const Case cases[] = {
        {0.5, 100, 0.098, 0.402, 0.598},
        {5.0 / 12, 1000, 0.03055686865865385, 0.3861097980080128, 0.44722353532532055},
        {1.0 / 36, 1, 0.322097677079868, 0.0, 0.34987545485764576},  // clipped below
        {1.0 / 36, 10, 0.10185622886217952, 0.0, 0.12963400663995728},
        {20.0 / 36, 1, 0.9739318301999084, 0.0, 1.0},  // clipped on both sides
        {20.0 / 36, 1000000, 0.0009739318301999083, 0.5545816237253557, 0.5565294873857555},
        {0.0, 50, 0.0, 0.0, 0.0},
        {1.0, 50, 0.0, 1.0, 1.0},
        {0.5, 0, 0.0, 0.5, 0.5},  // no trials, no band
    };
    for (const auto& [p, n, half, low, high] : cases) {
        EXPECT_NEAR(MarginHalfWidth(p, n), half, 1e-12) << p << " " << n;
        const MarginBand band = ChanceBand(p, n);
        EXPECT_NEAR(band.low, low, 1e-12) << p << " " << n;
        EXPECT_NEAR(band.high, high, 1e-12) << p << " " << n;
    }
}

TEST(ChanceBandPoints, FollowTheRunsCheckpointsInPercent) {
    const std::vector<BandPoint> points = ChanceBandPoints(0.5, 100);
    ASSERT_EQ(points.size(), CheckpointTrials(100).size());
    EXPECT_EQ(points.front().trials, 1);
    EXPECT_EQ(points.back().trials, 100);
    EXPECT_NEAR(points.back().lowPercent, 40.2, 1e-9);
    EXPECT_NEAR(points.back().highPercent, 59.8, 1e-9);
    EXPECT_EQ(points.front().lowPercent, 0.0);  // 50 − 98 clipped
    EXPECT_TRUE(ChanceBandPoints(0.5, 0).empty());
}

TEST(MarginVerdict, SaysInsideOrOutsideWithTheDistanceInMargins) {
    struct Case {
        double frequency, p;
        std::int32_t n;
        bool inside;
        const char* spanish;
    };
    const Case cases[] = {
        // 0,5 ± 0,098 after 100 trials.
        {0.55, 0.5, 100, true, "A 0,51 veces el margen de la teoría, dentro del margen."},
        {0.59, 0.5, 100, true, "A 0,92 veces el margen de la teoría, dentro del margen."},
        {0.35, 0.5, 100, false, "A 1,53 veces el margen de la teoría, fuera del margen."},
        {0.0, 0.0, 100, true, "A 0,00 veces el margen de la teoría, dentro del margen."},
        {0.1, 0.0, 100, false, "Lejos de la teoría, que no deja margen, fuera del margen."},
    };
    for (const auto& [frequency, p, n, inside, spanish] : cases) {
        EXPECT_EQ(InsideMargin(frequency, p, n), inside) << frequency;
        EXPECT_EQ(MarginVerdictText(frequency, p, n, kSpanishSymbols), spanish);
    }
    EXPECT_EQ(MarginVerdictText(0.55, 0.5, 100, kEnglishSymbols),
              "A 0.51 veces el margen de la teoría, dentro del margen.");
}

TEST(RunMarginLines, JudgeEachOutcomeOfARunInsideAndOutside) {
    // 100 trials: theory 2,78 %, 41,67 % and 55,56 %, margins 3,22, 9,66 and 9,74 points.
    RunRecord inside;
    inside.trials = 100;
    inside.tally = RunTally{3, 42, 55, 5 * 3 + 4 * 42 + 3 * 55};
    const std::array<std::string, 3> expectedInside{
        "Un plato roto: a 0,07 veces el margen de la teoría, dentro del margen.",
        "Dos platos rotos: a 0,03 veces el margen de la teoría, dentro del margen.",
        "Tres platos rotos: a 0,06 veces el margen de la teoría, dentro del margen."};
    EXPECT_EQ(RunMarginLines(inside, kSpanishSymbols), expectedInside);
    RunRecord outside = inside;
    outside.tally = RunTally{10, 60, 30, 5 * 10 + 4 * 60 + 3 * 30};
    const std::array<std::string, 3> expectedOutside{
        "Un plato roto: a 2,24 veces el margen de la teoría, fuera del margen.",
        "Dos platos rotos: a 1,90 veces el margen de la teoría, fuera del margen.",
        "Tres platos rotos: a 2,62 veces el margen de la teoría, fuera del margen."};
    EXPECT_EQ(RunMarginLines(outside, kSpanishSymbols), expectedOutside);
    EXPECT_EQ(RunMarginLines(RunRecord{}, kSpanishSymbols), (std::array<std::string, 3>{}));
}

}  // namespace
}  // namespace vesquin
