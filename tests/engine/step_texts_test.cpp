// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "step_texts.h"

#include <gtest/gtest.h>

namespace vesquin {
namespace {

TrialStep step(std::int32_t trial, std::vector<std::int32_t> choices, std::int32_t broken,
               std::int32_t intact) {
    return TrialStep{trial, std::move(choices), broken, intact};
}

TEST(TrialTexts, WriteEachTrialAndItsOutcomeWithSingulars) {
    struct Case {
        TrialStep step;
        const char* line;
        const char* outcome;
    };
    const Case cases[] = {
        {step(7, {4, 4, 1}, 2, 4), "Ensayo 7: 4, 4, 1 → 2 rotos", "2 platos rotos, 4 intactos"},
        {step(1, {6, 6, 6}, 1, 5), "Ensayo 1: 6, 6, 6 → 1 roto", "1 plato roto, 5 intactos"},
        {step(1000, {1, 2, 3}, 3, 3), "Ensayo 1.000: 1, 2, 3 → 3 rotos",
         "3 platos rotos, 3 intactos"},
        {step(12, {1, 2, 3, 4, 5}, 5, 1), "Ensayo 12: 1, 2, 3, 4, 5 → 5 rotos",
         "5 platos rotos, 1 intacto"},
        {step(2, {2, 1}, 2, 0), "Ensayo 2: 2, 1 → 2 rotos", "2 platos rotos, 0 intactos"},
    };
    for (const auto& [trial, line, outcome] : cases) {
        EXPECT_EQ(TrialLine(trial, kSpanishSymbols), line);
        EXPECT_EQ(TrialOutcomeText(trial), outcome);
    }
    EXPECT_EQ(TrialLine(step(1000, {1, 2, 3}, 3, 3), kEnglishSymbols),
              "Ensayo 1,000: 1, 2, 3 → 3 rotos");
}

TEST(TrialTexts, WriteTheStepRunsOwnTrials) {
    StepRun steps(3, 77);
    for (const TrialStep& trial : steps.Advance(3)) {
        std::string expected =
            "Ensayo " + std::to_string(trial.trial) + ": " + std::to_string(trial.choices[0]) +
            ", " + std::to_string(trial.choices[1]) + ", " + std::to_string(trial.choices[2]) +
            " → " + std::to_string(trial.broken) + (trial.broken == 1 ? " roto" : " rotos");
        EXPECT_EQ(TrialLine(trial, kSpanishSymbols), expected);
    }
}

StepTally tallyOf(std::int32_t one, std::int32_t two, std::int32_t three) {
    return StepTally{one + two + three, {one, two, three}, 5 * one + 4 * two + 3 * three};
}

TEST(PredictionSentence, SetsTheGuessBesideTheRunAndTheTheory) {
    struct Case {
        std::optional<Prediction> prediction;
        StepTally tally;
        const char* spanish;
    };
    const Case cases[] = {
        {Prediction{2, 50}, tallyOf(23, 423, 554),
         "Tu predicción: 2 platos, 50\u00A0%. Simulación: 3 platos, 55,40\u00A0%. "
         "Teoría: 3 platos, 55,56\u00A0%."},
        {Prediction{1, 100}, tallyOf(1, 0, 0),
         "Tu predicción: 1 plato, 100\u00A0%. Simulación: 1 plato, 100,00\u00A0%. "
         "Teoría: 3 platos, 55,56\u00A0%."},
        // A tie goes to the larger number, as the window's box has it.
        {std::nullopt, tallyOf(0, 4, 4),
         "Simulación: 3 platos, 50,00\u00A0%. Teoría: 3 platos, 55,56\u00A0%."},
        {std::nullopt, tallyOf(1, 2, 0),
         "Simulación: 2 platos, 66,67\u00A0%. Teoría: 3 platos, 55,56\u00A0%."},
    };
    for (const auto& [prediction, tally, spanish] : cases)
        EXPECT_EQ(PredictionSentence(prediction, tally, Theory(), kSpanishSymbols), spanish);
    EXPECT_EQ(PredictionText(Prediction{3, 1000}, kEnglishSymbols), "3 platos, 1,000\u00A0%");
}

TEST(StepTallyLine, CountsAndSharesBesideTheTheory) {
    const StepTally tally = tallyOf(1, 16, 20);
    EXPECT_EQ(StepTallyLine(tally, 1, Theory().outcomes[0].percent, kSpanishSymbols),
              "Se rompe 1 plato: 1 (2,70\u00A0%) · teoría 2,78\u00A0%");
    EXPECT_EQ(StepTallyLine(tally, 2, Theory().outcomes[1].percent, kSpanishSymbols),
              "Rompen 2 platos: 16 (43,24\u00A0%) · teoría 41,67\u00A0%");
    EXPECT_EQ(StepTallyLine(StepTally{0, {0, 0, 0}, 0}, 3, 55.5555, kSpanishSymbols),
              "Rompen 3 platos: 0 (0,00\u00A0%) · teoría 55,56\u00A0%");
    EXPECT_EQ(StepProgressText(1234, 10000, kSpanishSymbols), "Ensayos: 1.234 de 10.000");
    EXPECT_EQ(StepSeedText(9007199254740991), "Semilla: 9007199254740991");
}

}  // namespace
}  // namespace vesquin
