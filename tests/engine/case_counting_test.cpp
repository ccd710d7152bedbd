// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "case_counting.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "case_grid.h"
#include "experiment_theory.h"

namespace vesquin {
namespace {

Experiment Make(std::int32_t shooters, std::int32_t plates) {
    return std::get<Experiment>(Experiment::Make(shooters, plates));
}

std::vector<std::string> texts(const Experiment& experiment, const LocaleSymbols& symbols) {
    std::vector<std::string> lines;
    for (const CaseCount& count : CountCases(experiment, symbols)) lines.push_back(count.text);
    return lines;
}

TEST(CountCases, SaysHowEachCountArisesInSpanish) {
    struct Case {
        std::int32_t shooters, plates;
        LocaleSymbols symbols;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {3,
         6,
         kSpanishSymbols,
         {"los tres al mismo plato: 6", "dos coinciden y el otro no: 3 parejas × 6 × 5 = 90",
          "los tres distintos: 6 × 5 × 4 = 120"}},
        {1, 8, kSpanishSymbols, {"el tirador, a cualquiera de los ocho platos: 8"}},
        {2,
         20,
         kSpanishSymbols,
         {"los dos al mismo plato: 20", "los dos distintos: 20 × 19 = 380"}},
        {4,
         8,
         kSpanishSymbols,
         {"los cuatro al mismo plato: 8",
          "dos platos distintos: 7 maneras de repartir los cuatro tiradores en dos grupos × 8 × 7 "
          "= 392",
          "dos coinciden y los otros dos no: 6 parejas × 8 × 7 × 6 = 2.016",
          "los cuatro distintos: 8 × 7 × 6 × 5 = 1.680"}},
        {4,
         8,
         kEnglishSymbols,
         {"los cuatro al mismo plato: 8",
          "dos platos distintos: 7 maneras de repartir los cuatro tiradores en dos grupos × 8 × 7 "
          "= 392",
          "dos coinciden y los otros dos no: 6 parejas × 8 × 7 × 6 = 2,016",
          "los cuatro distintos: 8 × 7 × 6 × 5 = 1,680"}},
        {5,
         2,
         kSpanishSymbols,
         {"los cinco al mismo plato: 2",
          "dos platos distintos: 15 maneras de repartir los cinco tiradores en dos grupos × 2 × 1 "
          "= 30"}},
    };
    for (const auto& [shooters, plates, symbols, lines] : cases) {
        EXPECT_EQ(texts(Make(shooters, plates), symbols), lines) << shooters << "x" << plates;
    }
    EXPECT_EQ(texts(Make(10, 20), kSpanishSymbols)[4],
              "cinco platos distintos: 42.525 maneras de repartir los diez tiradores en cinco "
              "grupos × 20 × 19 × 18 × 17 × 16 = 79.116.912.000");
}

TEST(CountCases, ProductsAddUpToThePossibleCasesForEveryExperiment) {
    for (std::int32_t k = kFewestShooters; k <= kMostShooters; ++k) {
        for (std::int32_t n = kFewestPlates; n <= kMostPlates; ++n) {
            const Experiment experiment = Make(k, n);
            const ExperimentTheory theory = TheoryOf(experiment);
            const std::vector<CaseCount> counts = CountCases(experiment, kSpanishSymbols);
            ASSERT_EQ(counts.size(), std::size_t(experiment.mostBroken()));
            std::uint64_t total = 0;
            for (std::size_t i = 0; i < counts.size(); ++i) {
                const CaseCount& count = counts[i];
                EXPECT_EQ(count.platesBroken, std::int32_t(i) + 1);
                ASSERT_EQ(count.factors.size(), i + 1);
                const std::int64_t product =
                    std::accumulate(count.factors.begin(), count.factors.end(), count.groupings,
                                    [](std::int64_t a, std::int32_t b) { return a * b; });
                EXPECT_EQ(product, count.favourable);
                EXPECT_EQ(count.favourable, theory.broken[i].favourable) << k << "x" << n;
                EXPECT_EQ(count.factors.front(), n);
                EXPECT_EQ(count.factors.back(), n - std::int32_t(i));
                total += static_cast<std::uint64_t>(count.favourable);
            }
            EXPECT_EQ(total, experiment.equallyLikely()) << k << "x" << n;
        }
    }
}

TEST(PossibleCasesText, MultipliesThePlatesOncePerShooter) {
    EXPECT_EQ(PossibleCasesText(Make(3, 6), kSpanishSymbols), "casos posibles: 6 × 6 × 6 = 216");
    EXPECT_EQ(PossibleCasesText(Make(1, 6), kSpanishSymbols), "casos posibles: 6");
    EXPECT_EQ(PossibleCasesText(Make(4, 8), kSpanishSymbols),
              "casos posibles: 8 × 8 × 8 × 8 = 4.096");
    EXPECT_EQ(PossibleCasesText(Make(4, 8), kEnglishSymbols),
              "casos posibles: 8 × 8 × 8 × 8 = 4,096");
    EXPECT_EQ(kLaplaceRule, "probabilidad = casos favorables / casos posibles (regla de Laplace)");
}

TEST(DrawnCases, ColourCountsEqualTheFavourableCases) {
    std::int32_t drawn = 0;
    for (std::int32_t k = kFewestShooters; k <= kMostShooters; ++k) {
        for (std::int32_t n = kFewestPlates; n <= kMostPlates; ++n) {
            const Experiment experiment = Make(k, n);
            const auto grid = DrawnCases(experiment);
            ASSERT_EQ(grid.has_value(), experiment.equallyLikely() <= 1296) << k << "x" << n;
            if (!grid) continue;
            ++drawn;
            EXPECT_EQ(grid->columns, n);
            EXPECT_EQ(std::uint64_t(grid->rows) * std::uint64_t(n), experiment.equallyLikely());
            ASSERT_EQ(grid->broken.size(), experiment.equallyLikely());
            const ExperimentTheory theory = TheoryOf(experiment);
            ASSERT_EQ(grid->brokenCounts.size(), theory.broken.size());
            std::vector<std::int64_t> recount(theory.broken.size(), 0);
            for (const std::int32_t broken : grid->broken) ++recount.at(std::size_t(broken - 1));
            for (std::size_t i = 0; i < theory.broken.size(); ++i) {
                EXPECT_EQ(grid->brokenCounts[i], theory.broken[i].favourable) << k << "x" << n;
                EXPECT_EQ(recount[i], theory.broken[i].favourable) << k << "x" << n;
            }
        }
    }
    EXPECT_EQ(drawn, 61);
}

TEST(DrawnCases, ThreeShootersAndSixPlatesAreThirtySixRowsOfSixByTheFirstTwoShooters) {
    const Experiment classic = Experiment::Classic();
    const CaseGrid grid = *DrawnCases(classic);
    EXPECT_EQ(grid.rows, 36);
    EXPECT_EQ(grid.columns, 6);
    EXPECT_EQ(grid.brokenCounts, (std::vector<std::int64_t>{6, 90, 120}));
    struct Case {
        std::vector<std::int32_t> plates;
        std::size_t cell;
        std::int32_t broken;
    };
    const Case cases[] = {
        {{1, 1, 1}, 0, 1}, {{1, 1, 2}, 1, 2},   {{1, 2, 1}, 6, 2},   {{2, 1, 1}, 36, 2},
        {{1, 2, 3}, 8, 3}, {{6, 6, 6}, 215, 1}, {{4, 2, 5}, 118, 3}, {{3, 5, 3}, 98, 2},
    };
    for (const auto& [plates, cell, broken] : cases) {
        EXPECT_EQ(CaseCell(classic, plates), cell) << ::testing::PrintToString(plates);
        EXPECT_EQ(grid.broken.at(cell), broken) << ::testing::PrintToString(plates);
    }
    EXPECT_EQ(CaseCell(Make(1, 5), std::vector<std::int32_t>{5}), 4u);
    EXPECT_EQ(DrawnCases(Make(1, 5))->rows, 1);
}

}  // namespace
}  // namespace vesquin
