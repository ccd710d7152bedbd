// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of the trial-by-trial pane: each trial, its outcome, the controls,
// the pupil's prediction and the sentence that sets it beside the run and the
// theory. Numbers are written with the user's symbols.

#include <cstdint>
#include <optional>
#include <string>

#include "experiment_theory.h"
#include "number_text.h"
#include "prediction.h"
#include "theory.h"
#include "trial_steps.h"

namespace vesquin {

// "Ensayo 7: 4, 4, 1 → 2 rotos"; one broken plate gives "→ 1 roto", trial 1000
// gives "Ensayo 1.000: …" with Spanish symbols.
std::string TrialLine(const TrialStep& step, const LocaleSymbols& symbols);

// "2 platos rotos, 4 intactos", "1 plato roto, 5 intactos", "5 platos rotos, 1 intacto".
std::string TrialOutcomeText(const TrialStep& step);

// The pane's controls, with "&" before the access key as the window's labels have it.
struct StepControlLabels {
    std::string title;          // "Ensayo a ensayo"
    std::string oneTrial;       // "&Un ensayo"
    std::string tenTrials;      // "&10 ensayos"
    std::string hundredTrials;  // "1&00 ensayos"
    std::string play;           // "&Reproducir"
    std::string pause;          // "&Pausa"
    std::string speed;          // "Veloci&dad (ensayos por segundo):"
    std::string restart;        // "&Empezar de nuevo"
    std::string noAnimation;    // "Sin &animación"
    std::string trialCount;     // "Ensa&yos de la simulación:"
    std::string recentTitle;    // "Últimos ensayos"
    std::string tallyTitle;     // "Recuento"
    std::string howMany;        // "¿Cuántos platos crees que se romperán más a menudo?"
    std::string howOften;       // "¿Qué porcentaje de veces?"
    std::string noPrediction;   // "Sin predicción"
    std::string chartsTab;      // "&Gráficos y teoría", the teaching view's first tab
    std::string stepsTab;       // "E&nsayo a ensayo", the tab of this pane
    std::string tabsName;       // "Partes de la vista", what a screen reader calls the tabs
};
// In the current language, so made again at each call.
StepControlLabels StepLabels();

// "Semilla: 12345".
std::string StepSeedText(std::uint64_t seed);

// "Ensayos: 37 de 100", with grouping.
std::string StepProgressText(std::int32_t done, std::int32_t trials, const LocaleSymbols& symbols);

// One row of the tally beside the theory: "Rompen 2 platos: 17 (45,95 %) · teoría 41,67 %".
std::string StepTallyLine(const StepTally& tally, std::int32_t broken, double theoryPercent,
                          const LocaleSymbols& symbols);

// "2 platos, 50 %", for the history's own column.
std::string PredictionText(const Prediction& prediction, const LocaleSymbols& symbols);

// "Tu predicción: 2 platos, 50 %. Simulación: 3 platos, 55,40 %. Teoría: 3 platos, 55,56 %."
// Without a prediction the sentence starts at "Simulación". The run's number is its
// modal count (ties to the larger) and its share of the trials; `tally` has trials.
std::string PredictionSentence(const std::optional<Prediction>& prediction, const StepTally& tally,
                               const ExactTheory& theory, const LocaleSymbols& symbols);
// The same for any experiment, against its own exact theory.
std::string PredictionSentence(const std::optional<Prediction>& prediction, const StepTally& tally,
                               const ExperimentTheory& theory, const LocaleSymbols& symbols);

}  // namespace vesquin
