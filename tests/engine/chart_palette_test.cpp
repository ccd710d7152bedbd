// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The teaching charts' colours: legible against their background, and distinct.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "chart_palette.h"

namespace vesquin {
namespace {

TEST(ContrastRatio, KnownPairs) {
    struct Case {
        Rgb first, second;
        double ratio;
    };
    const Case cases[] = {
        {{0, 0, 0}, {0xFF, 0xFF, 0xFF}, 21.0},
        {{0xFF, 0xFF, 0xFF}, {0, 0, 0}, 21.0},
        {{0x77, 0x77, 0x77}, {0x77, 0x77, 0x77}, 1.0},
        {{0x00, 0x72, 0xB2}, {0xFF, 0xFF, 0xFF}, 5.19},
        {{0x76, 0x76, 0x76}, {0xFF, 0xFF, 0xFF}, 4.54},
        {{0xFF, 0x00, 0x00}, {0xFF, 0xFF, 0xFF}, 4.00},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ContrastRatio(c.first, c.second), c.ratio, 0.01) << HexColour(c.first);
    }
}

TEST(ChartColours, EveryColourStandsThreeToOneAgainstItsBackgroundAndNoTwoAreAlike) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        const ChartPalette& palette = ChartColours(dark);
        std::vector<Rgb> drawn(palette.outcomes.begin(), palette.outcomes.end());
        drawn.push_back(palette.simulatedBar);
        drawn.push_back(palette.theoryBar);
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_GE(ContrastRatio(drawn[i], palette.background), 3.0) << HexColour(drawn[i]);
            for (std::size_t j = i + 1; j < drawn.size(); ++j) EXPECT_NE(drawn[i], drawn[j]);
        }
    }
    EXPECT_NE(ChartColours(false), ChartColours(true));
}

// Ten series, one for each number of broken plates ten shooters can give: each legible
// on its background, no two alike nor alike a bar, and the puzzle's three first.
TEST(ChartColours, TenSeriesStandThreeToOneAndBeginWithThePuzzlesOutcomes) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        const ChartPalette& palette = ChartColours(dark);
        for (std::size_t i = 0; i < palette.outcomes.size(); ++i)
            EXPECT_EQ(palette.series[i], palette.outcomes[i]) << i;
        for (std::size_t i = 0; i < palette.series.size(); ++i) {
            const Rgb colour = palette.series[i];
            EXPECT_GE(ContrastRatio(colour, palette.background), 3.0) << HexColour(colour);
            EXPECT_NE(colour, palette.simulatedBar) << i;
            EXPECT_NE(colour, palette.theoryBar) << i;
            for (std::size_t j = i + 1; j < palette.series.size(); ++j)
                EXPECT_NE(colour, palette.series[j]) << i << " " << j;
        }
    }
}

// The projector's set: every line and bar at 7:1 at least, none alike, the series
// beginning with the outcomes, and each colour stronger than its ordinary one.
TEST(HighContrastChartColours, EveryColourStandsSevenToOneAndOutdoesTheOrdinarySet) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        const ChartPalette& strong = HighContrastChartColours(dark);
        const ChartPalette& ordinary = ChartColours(dark);
        EXPECT_EQ(ContrastRatio(strong.background, dark ? Rgb{0, 0, 0} : Rgb{255, 255, 255}), 1.0);
        std::vector<std::pair<Rgb, Rgb>> pairs{{strong.simulatedBar, ordinary.simulatedBar},
                                               {strong.theoryBar, ordinary.theoryBar}};
        for (std::size_t i = 0; i < strong.series.size(); ++i)
            pairs.emplace_back(strong.series[i], ordinary.series[i]);
        for (std::size_t i = 0; i < strong.outcomes.size(); ++i)
            EXPECT_EQ(strong.series[i], strong.outcomes[i]) << i;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const Rgb colour = pairs[i].first;
            EXPECT_GE(ContrastRatio(colour, strong.background), 7.0) << HexColour(colour);
            EXPECT_GT(ContrastRatio(colour, strong.background),
                      ContrastRatio(pairs[i].second, ordinary.background))
                << HexColour(colour);
            for (std::size_t j = i + 1; j < pairs.size(); ++j)
                EXPECT_NE(colour, pairs[j].first) << i << " " << j;
        }
    }
}

TEST(HexColour, TwoLowerCaseDigitsAChannel) {
    EXPECT_EQ(HexColour({0x00, 0x72, 0xB2}), "#0072b2");
    EXPECT_EQ(HexColour({0xFF, 0x0A, 0x00}), "#ff0a00");
}

}  // namespace
}  // namespace vesquin
