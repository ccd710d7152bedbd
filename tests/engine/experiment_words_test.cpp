// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "experiment_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesquin {
namespace {

Experiment Make(std::int32_t shooters, std::int32_t plates) {
    return std::get<Experiment>(Experiment::Make(shooters, plates));
}

TEST(ExperimentWords, NumbersUpToTenAreWordsWithMasculineAgreement) {
    struct Case {
        std::int32_t value;
        std::string alone, beforeNoun, shooters, plates;
    };
    const Case cases[] = {
        {1, "uno", "un", "un tirador", "un plato"},
        {2, "dos", "dos", "dos tiradores", "dos platos"},
        {4, "cuatro", "cuatro", "cuatro tiradores", "cuatro platos"},
        {7, "siete", "siete", "siete tiradores", "siete platos"},
        {10, "diez", "diez", "diez tiradores", "diez platos"},
        {11, "11", "11", "11 tiradores", "11 platos"},
        {20, "20", "20", "20 tiradores", "20 platos"},
    };
    for (const auto& [value, alone, beforeNoun, shooters, plates] : cases) {
        EXPECT_EQ(NumberAlone(value), alone);
        EXPECT_EQ(NumberBeforeNoun(value), beforeNoun);
        EXPECT_EQ(Shooters(value), shooters);
        EXPECT_EQ(Plates(value), plates);
    }
}

TEST(ExperimentStatement, RewritesThePuzzleForTheChosenNumbers) {
    const std::string question =
        " ¿Cuántos platos rotos es lo más probable, y cuántos quedan enteros de media?";
    struct Case {
        std::int32_t shooters, plates;
        std::string opening;
    };
    const Case cases[] = {
        {4, 8,
         "Cuatro tiradores eligen, cada uno al azar, uno de ocho platos lanzados a la vez, y "
         "cada plato elegido se rompe."},
        {3, 6,
         "Tres tiradores eligen, cada uno al azar, uno de seis platos lanzados a la vez, y "
         "cada plato elegido se rompe."},
        {10, 20,
         "Diez tiradores eligen, cada uno al azar, uno de 20 platos lanzados a la vez, y "
         "cada plato elegido se rompe."},
        {1, 2,
         "Un tirador elige, al azar, uno de dos platos lanzados a la vez, y el plato elegido "
         "se rompe."},
    };
    for (const auto& [shooters, plates, opening] : cases) {
        EXPECT_EQ(ExperimentStatement(Make(shooters, plates)), opening + question);
    }
}

TEST(ModalTieText, NamesEveryNumberSharingTheLargestCount) {
    struct Case {
        std::vector<std::int32_t> counts;
        std::string text;
    };
    const Case cases[] = {
        {{2, 5, 5}, "empate entre 2 y 3"},
        {{4, 4, 4}, "empate entre 1, 2 y 3"},
        {{9, 1, 9, 3}, "empate entre 1 y 3"},
        {{1, 5, 4}, ""},
        {{0, 0, 7}, ""},
        {{3}, ""},
        {{}, ""},
    };
    for (const auto& [counts, text] : cases) {
        EXPECT_EQ(ModalTieText(ExperimentTally{counts, 0}), text)
            << ::testing::PrintToString(counts);
    }
}

}  // namespace
}  // namespace vesquin
